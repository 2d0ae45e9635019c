#!/usr/bin/env bash
# The long monkey, run by hand: seeded random real input on the running main window for ten
# minutes, the game's invariants checked after every event. Under Wine on a private Xvfb.
# MONKEY_SECONDS (default 600) or MONKEY_EVENTS size the run; MONKEY_SEED replays a failing
# one (its seed is printed first); MONKEY_LOG=1 prints every event. BUILD_DIR: the build tree.
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh test || exit 1

build=${BUILD_DIR:-build/win32}
cmake --preset win32 -B "$build" >/dev/null &&
    cmake --build "$build" -j"${JOBS:-2}" --target quality_monkey_test || exit 1

export ZODEDU_MONKEY_SECONDS=${MONKEY_SECONDS:-600}
export ZODEDU_MONKEY_EVENTS=${MONKEY_EVENTS:-0}
export ZODEDU_MONKEY_LOG=${MONKEY_LOG:-0}
[ -n "${MONKEY_SEED:-}" ] && export ZODEDU_MONKEY_SEED=$MONKEY_SEED
cd "$build/tests/quality" || exit 1
exec "$top/scripts/with-wine.sh" wine ./quality_monkey_test.exe --gtest_filter='MonkeyTest.*'
