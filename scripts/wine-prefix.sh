#!/usr/bin/env bash
# Makes a Wine prefix fit for the game: 32- or 64-bit, with the System and Marlett fonts
# (without them dialog units come out wrong and caption buttons show letters).
# Usage: wine-prefix.sh DIR win32|win64 [virtual-desktop]
set -euo pipefail
source "$(dirname "$0")/wine-loader.sh"

prefix=$1
arch=$2
desktop=${3:-}
fonts=/usr/share/wine/fonts
wine=$(wine_loader "$arch")

export WINEPREFIX=$prefix WINEARCH=$arch WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv,wineoss.drv=d"
mkdir -p "$prefix"
"$wine" wineboot -i >/dev/null 2>&1
cp "$fonts/vgasys.fon" "$fonts/marlett.ttf" "$prefix/drive_c/windows/Fonts/"
if [ "$desktop" = virtual-desktop ]; then
    # Without a window manager Wine draws no frames and stalls on every hide: use its own desktop.
    "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null 2>&1
fi
wineserver -w
