#!/usr/bin/env bash
# The long monkey, run by hand: seeded random real input on the running main window for ten
# minutes, the game's invariants checked after every event. Under Wine on a private Xvfb.
# MONKEY_SECONDS (default 600) or MONKEY_EVENTS size the run; MONKEY_SEED replays a failing
# one (its seed is printed first); MONKEY_LOG=1 prints every event. BUILD_DIR: the build tree.
set -uo pipefail

export ZODEDU_MONKEY_SECONDS=${MONKEY_SECONDS:-600}
export ZODEDU_MONKEY_EVENTS=${MONKEY_EVENTS:-0}
export ZODEDU_MONKEY_LOG=${MONKEY_LOG:-0}
[ -n "${MONKEY_SEED:-}" ] && export ZODEDU_MONKEY_SEED=$MONKEY_SEED
exec "$(dirname "$0")/run-quality-test.sh" quality_monkey_test 'MonkeyTest.*'
