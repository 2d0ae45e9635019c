#!/usr/bin/env bash
# Builds one test program of tests/quality and runs the given tests of it under Wine on a
# private Xvfb display, for the long runs made by hand (scripts/soak.sh, scripts/monkey.sh).
# Usage: run-quality-test.sh <target> <gtest filter>. BUILD_DIR: the build tree (build/win32).
set -uo pipefail

target=$1
filter=$2
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh test || exit 1

build=${BUILD_DIR:-build/win32}
cmake --preset win32 -B "$build" >/dev/null &&
    cmake --build "$build" -j"${JOBS:-2}" --target "$target" || exit 1

cd "$build/tests/quality" || exit 1
exec "$top/scripts/with-wine.sh" wine "./$target.exe" --gtest_filter="$filter"
