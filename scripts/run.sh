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

exec packaging/launch.sh build/win32/src/app scripts/wine-prefix.sh
