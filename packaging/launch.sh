#!/usr/bin/env bash
# Starts the game in GAME_DIR under Wine, in the game's own prefix $XDG_DATA_HOME/zodedu/wine
# (made on first use by PREFIX_MAKER, scripts/wine-prefix.sh), never in ~/.wine. make run uses
# it from the repository; make install copies it beside the installed game for the launcher.
# Usage: launch.sh GAME_DIR PREFIX_MAKER
set -euo pipefail

game=$1
maker=$2
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: start Zodedu from a desktop session." >&2
    exit 1
fi

prefix=${XDG_DATA_HOME:-$HOME/.local/share}/zodedu/wine
if [ ! -f "$prefix/.ready" ]; then
    echo "Preparing the game's Wine prefix in $prefix (once)..."
    rm -rf "$prefix"
    "$maker" "$prefix" win32
    touch "$prefix/.ready"
fi
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
cd "$game"
exec wine zodedu.exe
