#!/usr/bin/env bash
# Builds the 32-bit game (the 64-bit one where 32-bit Wine cannot run) and starts it under Wine
# in the game's own prefix, never ~/.wine.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: run Zodedu from a desktop session, or without a screen as: xvfb-run -a make run" >&2
    exit 1
fi
scripts/install-deps.sh run
source scripts/wine-loader.sh
preset=$(runnable_preset)
[ "$preset" = win64 ] &&
    echo "This machine runs 64-bit programs only, so 32-bit Wine cannot start here: running the 64-bit game." >&2
cmake --preset $preset >/dev/null
cmake --build --preset $preset -j"${JOBS:-2}" --target zodedu

exec packaging/launch.sh build/$preset/src/app scripts/wine-prefix.sh $preset
