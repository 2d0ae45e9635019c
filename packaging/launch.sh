#!/usr/bin/env bash
# Starts the game in GAME_DIR under Wine, in the game's own prefix $XDG_DATA_HOME/zodedu/wine
# (made on first use by PREFIX_MAKER, scripts/wine-prefix.sh), never in ~/.wine. make run uses
# it from the repository; make install copies it beside the installed game for the launcher.
# Usage: launch.sh GAME_DIR PREFIX_MAKER [win32|win64]   (a 64-bit game gets a prefix wine64)
set -euo pipefail

game=$1
maker=$2
arch=${3:-win32}
source "$(dirname "$maker")/wine-loader.sh"
with_fixed_layout "$0" "$@"
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: start Zodedu from a desktop session." >&2
    exit 1
fi

prefix=${XDG_DATA_HOME:-$HOME/.local/share}/zodedu/wine
[ "$arch" = win64 ] && prefix+=64
if [ ! -f "$prefix/.ready" ]; then
    echo "Preparing the game's Wine prefix in $prefix (once)..."
    rm -rf "$prefix"
    "$maker" "$prefix" "$arch"
    touch "$prefix/.ready"
fi
export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=${WINEDEBUG:--all}
cd "$game"
exec "$(wine_loader "$arch")" zodedu.exe
