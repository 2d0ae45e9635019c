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

# The template prefix is made once and kept in the build tree; each run copies it.
template=$top/build/wine-template-win32
if [ ! -f "$template/.ready" ]; then
    step "making the Wine template prefix"
    rm -rf "$template"
    scripts/wine-prefix.sh "$template" win32 virtual-desktop && touch "$template/.ready" || exit 1
fi

scratch=$(mktemp -d)
xvfb_pid=
wineserver_pid=
cleanup() {
    [ -n "$wineserver_pid" ] && kill "$wineserver_pid" 2>/dev/null && wait "$wineserver_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

cp -a "$template" "$scratch/prefix"
export WINEPREFIX=$scratch/prefix WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv,wineoss.drv=d"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$scratch/display")

# One wineserver for the whole run keeps each test program's start short.
wineserver -f -p &
wineserver_pid=$!
# Start Wine's own background services now, so none of them holds a test's output open.
wine cmd /c exit >/dev/null 2>&1 </dev/null

step "win32 tests under Wine (display $DISPLAY)"
ctest --preset win32 || status=1
exit $status
