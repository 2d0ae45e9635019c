#!/usr/bin/env bash
# The long soak, run by hand: 100,000 display passes through the running main window, 20,000 of
# them from clock ticks, with games won and lost (on guesses and on time) between them. The
# process's GDI and USER objects must end where they started. Under Wine on a private Xvfb.
# Sizes: SOAK_PASSES, SOAK_TICKS. Build tree: BUILD_DIR (default build/win32).
set -uo pipefail

export ZODEDU_SOAK_PASSES=${SOAK_PASSES:-100000}
export ZODEDU_SOAK_TICKS=${SOAK_TICKS:-20000}
echo "== soak: $ZODEDU_SOAK_PASSES display passes, $ZODEDU_SOAK_TICKS of them from ticks"
exec "$(dirname "$0")/run-quality-test.sh" quality_soak_test 'SoakTest.*'
