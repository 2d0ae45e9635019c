#!/usr/bin/env bash
# Builds one test program of tests/ui and runs the given tests of it under Wine on a
# private Xvfb display, for the long runs made by hand (scripts/soak.sh, scripts/monkey.sh).
# Usage: run-quality-test.sh <target> <gtest filter>. BUILD_DIR: the build tree (build/PRESET).
# The 32-bit build, or the 64-bit one where 32-bit Wine cannot run.
set -uo pipefail

target=$1
filter=$2
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
source scripts/wine-loader.sh
scripts/install-deps.sh test || exit 1

preset=$(runnable_preset)
build=${BUILD_DIR:-build/$preset}
cmake --preset $preset -B "$build" >/dev/null &&
    cmake --build "$build" -j"${JOBS:-2}" --target "$target" || exit 1

cd "$build/tests/ui" || exit 1
ZODEDU_WINE_ARCH=$preset exec "$top/scripts/with-wine.sh" wine "./$target.exe" --gtest_filter="$filter"
