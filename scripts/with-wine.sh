#!/usr/bin/env bash
# Runs one command with Windows programs in reach: a throwaway copy of the template Wine
# prefix, a private Xvfb display and one wineserver, all stopped by process id at the end.
# Usage: scripts/with-wine.sh COMMAND [ARGS...]   (the exit status is the command's)
# ZODEDU_WINE_ARCH: win32 (the default) or win64, the kind of prefix and of programs; `wine` in
# COMMAND starts a program of that kind.
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/wine-loader.sh"
with_fixed_layout "$0" "$@"
arch=${ZODEDU_WINE_ARCH:-win32}
loader=$(wine_loader "$arch") || exit 1

# The template prefix is made once and kept in the build tree; each run copies it.
template=$top/build/wine-template-$arch
if [ ! -f "$template/.ready" ]; then
    echo "== making the $arch Wine template prefix"
    rm -rf "$template"
    "$top/scripts/wine-prefix.sh" "$template" "$arch" virtual-desktop && touch "$template/.ready" || exit 1
fi

scratch=$(mktemp -d)
xvfb_pid=
wineserver_pid=
command_pid=
cleanup() {
    # The command and everything it started go first: left running, they would start a new
    # Wine server of their own and go on without a display.
    [ -n "$command_pid" ] && kill -- "-$command_pid" 2>/dev/null
    # The server ends its clients too, Wine's own services included; killed alone, it leaves
    # them behind, one of them busy for ever.
    [ -n "$wineserver_pid" ] && { wineserver -k 2>/dev/null || kill "$wineserver_pid" 2>/dev/null; wait "$wineserver_pid" 2>/dev/null; }
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
# Stopped from outside (Ctrl+C, a timeout), the run still ends what it started.
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# await_line FILE SECONDS: whether a program started in the background has written FILE in time.
await_line() {
    local tenths
    for ((tenths = 0; tenths < $2 * 10; tenths++)); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    [ -s "$1" ]
}

cp -a "$template" "$scratch/prefix"
export WINEPREFIX=$scratch/prefix WINEARCH=$arch WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv,wineoss.drv=d"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb_pid=$!
await_line "$scratch/display" 10 || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$scratch/display")

if [ "$arch" = win64 ]; then
    # The loader that Wine itself uses to start the prefix's programs, and the one COMMAND finds.
    export WINELOADER=$loader
    mkdir "$scratch/bin" && printf '#!/bin/sh\nexec %q "$@"\n' "$loader" >"$scratch/bin/wine" &&
        chmod +x "$scratch/bin/wine" && export PATH=$scratch/bin:$PATH
fi

# One wineserver for the whole run keeps each test program's start short.
wineserver -f -p &
wineserver_pid=$!
# A program that starts one of Wine's own processes hands it its standard error, and CTest waits
# for a test's output pipe to close, not only for the test. So Wine's background services and
# the desktop's process are started now, by a program whose output goes nowhere (rundll32 opens
# a window, which needs the desktop), and which then waits for ever on a pipe nobody writes to.
# That keeps the desktop open: closed in a pause between tests, it would be started again by
# the next test, and hold that test's output open until the desktop next fell idle.
mkfifo "$scratch/never-written"
"$loader" cmd /c "rundll32.exe & echo desktop started & set /p wait=" \
    <>"$scratch/never-written" >"$scratch/desktop" 2>/dev/null &
await_line "$scratch/desktop" 30 || { echo "Wine's desktop did not start"; exit 1; }

# In the background, so that a signal need not wait for the command before the clean-up; in a
# process group of its own, so that the clean-up can stop all of it.
setsid "$@" &
command_pid=$!
wait $command_pid
