#!/usr/bin/env bash
# Builds the native, 32-bit and 64-bit Windows presets and runs every test: native tests
# directly, Windows tests under Wine on a private Xvfb display in a throwaway prefix. The whole
# Windows suite runs on the 32-bit game, and the programs that start the real game or test the
# faults it must survive run on the 64-bit one too. A host that runs 64-bit programs only cannot start 32-bit Wine: there the
# whole suite runs on the 64-bit game, and of the 32-bit build only what needs no Wine.
# Stops what it started.
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
source scripts/wine-loader.sh
scripts/install-deps.sh test || exit 1

jobs=${JOBS:-2}
status=0
step() { echo "== $*"; }

step "native build and tests"
cmake --preset native >/dev/null && cmake --build --preset native -j"$jobs" || exit 1
ctest --preset native || status=1

wine32=ON
host_runs_32bit || wine32=OFF
for preset in win32 win64; do
    step "$preset build"
    wine_tests=ON
    [ $preset = win32 ] && wine_tests=$wine32
    cmake --preset $preset -DZODEDU_WINE_TESTS=$wine_tests >/dev/null &&
        cmake --build --preset $preset -j"$jobs" || exit 1
done

if [ $wine32 = ON ]; then
    step "win32 tests under Wine"
    scripts/with-wine.sh ctest --preset win32 || status=1
    step "win64 tests of the real game and its faults under 64-bit Wine"
    ZODEDU_WINE_ARCH=win64 scripts/with-wine.sh ctest --preset win64 -L 'process|quality' || status=1
else
    step "win32 tests that need no Wine (this host cannot run 32-bit programs)"
    ctest --preset win32 || status=1
    step "win64 tests under 64-bit Wine"
    ZODEDU_WINE_ARCH=win64 scripts/with-wine.sh ctest --preset win64 || status=1
fi
exit $status
