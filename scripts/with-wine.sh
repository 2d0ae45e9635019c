#!/usr/bin/env bash
# Runs one command with Windows programs in reach: a throwaway copy of the template Wine
# prefix, a private Xvfb display and one wineserver, all stopped by process id at the end.
# Usage: scripts/with-wine.sh COMMAND [ARGS...]   (the exit status is the command's)
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)

# The template prefix is made once and kept in the build tree; each run copies it.
template=$top/build/wine-template-win32
if [ ! -f "$template/.ready" ]; then
    echo "== making the Wine template prefix"
    rm -rf "$template"
    "$top/scripts/wine-prefix.sh" "$template" win32 virtual-desktop && touch "$template/.ready" || exit 1
fi

scratch=$(mktemp -d)
xvfb_pid=
wineserver_pid=
cleanup() {
    # The server ends its clients too, Wine's own services included; killed alone, it leaves
    # them behind, one of them busy for ever.
    [ -n "$wineserver_pid" ] && { wineserver -k 2>/dev/null || kill "$wineserver_pid" 2>/dev/null; wait "$wineserver_pid" 2>/dev/null; }
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

"$@"
