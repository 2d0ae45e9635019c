#!/usr/bin/env bash
# Builds the 32-bit game and starts it under Wine in the game's own prefix, never ~/.wine.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: run Zodedu from a desktop session, or without a screen as: xvfb-run -a make run" >&2
    exit 1
fi
scripts/install-deps.sh run
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j"${JOBS:-2}" --target zodedu

data=${XDG_DATA_HOME:-$HOME/.local/share}/zodedu
prefix=$data/wine
if [ ! -f "$prefix/.ready" ]; then
    echo "Preparing the game's Wine prefix in $prefix (once)..."
    rm -rf "$prefix"
    scripts/wine-prefix.sh "$prefix" win32 && touch "$prefix/.ready"
fi
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
cd build/win32/src/app
exec wine zodedu.exe
