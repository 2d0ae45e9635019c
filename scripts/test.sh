#!/usr/bin/env bash
# Builds the native and 32-bit Windows presets and runs every test: native tests directly,
# Windows tests under Wine on a private Xvfb display in a throwaway prefix. Stops what it started.
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh test || exit 1

jobs=${JOBS:-2}
status=0
step() { echo "== $*"; }

step "native build and tests"
cmake --preset native >/dev/null && cmake --build --preset native -j"$jobs" || exit 1
ctest --preset native || status=1

step "win32 build"
cmake --preset win32 >/dev/null && cmake --build --preset win32 -j"$jobs" || exit 1

step "win32 tests under Wine"
scripts/with-wine.sh ctest --preset win32 || status=1
exit $status
