#!/usr/bin/env bash
# make install and make uninstall in a throwaway home whose path has a space in it, with a
# stand-in game and stand-in Wine commands that record how the launcher calls them.
# Usage: install_test.sh REPOSITORY
set -uo pipefail

repo=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
checks=0
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    checks=$((checks + 1))
    if ! "$@"; then
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}
not() { ! "$@"; }
quietly() { "$@" >/dev/null 2>&1; }
same_file() { cmp -s "$1" "$2"; }
absent() { [ ! -e "$1" ]; }
contains_line() { grep -qxF -- "$2" "$1"; }
# A PNG's signature and the width and height in its header.
png_of_size() {
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] &&
        [ "$(od -An -tu4 --endian=big -j 16 -N 8 "$1" | tr -s ' ')" = " $2 $2" ]
}

game=$scratch/game
mkdir -p "$game"
for name in zodedu.exe zodedu.HLP first.wav last.wav win.wav lose.wav README.txt LICENSE.txt; do
    echo "$name $RANDOM" >"$game/$name"
done

# Stand-ins for Wine: each records its name, working folder, prefix settings and arguments.
fakes=$scratch/fake-bin
mkdir -p "$fakes"
for tool in wine wineboot wineserver; do
    cat >"$fakes/$tool" <<EOF
#!/usr/bin/env bash
echo "$tool|\$PWD|\$WINEPREFIX|\$WINEARCH|\$*" >>"$scratch/wine.log"
[ "$tool" = wineboot ] || [ "\$1" = wineboot ] && mkdir -p "\$WINEPREFIX/drive_c/windows/Fonts"
exit 0
EOF
    chmod +x "$fakes/$tool"
done

install_into() { # install_into HOME XDG_DATA_HOME [install.sh options...]
    local home=$1 xdg=$2
    shift 2
    HOME=$home XDG_DATA_HOME=$xdg PATH=$fakes:$PATH "$repo/scripts/install.sh" "$@" >/dev/null
}
run_launcher() { # run_launcher HOME XDG_DATA_HOME DISPLAY
    : >"$scratch/wine.log"
    HOME=$1 XDG_DATA_HOME=$2 DISPLAY=$3 PATH=$fakes:$PATH "$1/.local/bin/zodedu" >/dev/null 2>&1
}

echo "== default places, home with a space"
home="$scratch/player home"
mkdir -p "$home/.local/bin"
echo "someone else's" >"$home/.local/bin/other"
data=$home/.local/share
check "install succeeds" install_into "$home" "" --game-dir "$game"
launcher=$home/.local/bin/zodedu
check "launcher is executable" test -x "$launcher"
for name in "$game"/*; do
    check "installed $(basename "$name")" same_file "$name" "$data/zodedu/game/$(basename "$name")"
done
entry=$data/applications/zodedu.desktop
check "entry runs the launcher" contains_line "$entry" "Exec=\"$launcher\""
check "entry names the icon" contains_line "$entry" "Icon=zodedu"
check "entry is an application" contains_line "$entry" "Type=Application"
check "entry is named" contains_line "$entry" "Name=Zodedu"
if command -v desktop-file-validate >/dev/null; then
    check "entry is valid" desktop-file-validate "$entry"
fi
check "32 px icon" png_of_size "$data/icons/hicolor/32x32/apps/zodedu.png" 32
check "64 px icon" png_of_size "$data/icons/hicolor/64x64/apps/zodedu.png" 64

prefix=$data/zodedu/wine
check "first start makes the prefix and starts the game" run_launcher "$home" "" :7
check "prefix made for 32 bits" grep -q "^wine|.*|$prefix|win32|wineboot -i" "$scratch/wine.log"
check "prefix marked ready" test -f "$prefix/.ready"
check "game started in its folder and prefix" \
    contains_line "$scratch/wine.log" "wine|$data/zodedu/game|$prefix|win32|zodedu.exe"
check "second start uses the prefix" run_launcher "$home" "" :7
check "prefix not made again" not grep -q 'wineboot' "$scratch/wine.log"
check "game started again" contains_line "$scratch/wine.log" \
    "wine|$data/zodedu/game|$prefix|win32|zodedu.exe"
check "no display: refused" not run_launcher "$home" "" ""
check "no display: no Wine" test ! -s "$scratch/wine.log"

check "installs again over itself" install_into "$home" "" --game-dir "$game"
check "uninstall succeeds" install_into "$home" "" --uninstall
for path in "$launcher" "$entry" "$data/icons/hicolor/32x32" "$data/icons/hicolor/64x64" \
    "$data/zodedu/game" "$data/zodedu/launch.sh" "$data/zodedu/wine-prefix.sh" \
    "$data/zodedu/wine-loader.sh"; do
    check "removed ${path#"$home"/}" absent "$path"
done
check "prefix and settings kept" test -f "$prefix/.ready"
check "other programs kept" test -f "$home/.local/bin/other"
check "purge succeeds" install_into "$home" "" --uninstall --purge
check "purge removes the prefix" absent "$data/zodedu"

echo "== XDG_DATA_HOME elsewhere"
home=$scratch/second
xdg="$scratch/xdg data"
mkdir -p "$home"
check "install succeeds" install_into "$home" "$xdg" --game-dir "$game"
check "game under XDG_DATA_HOME" same_file "$game/zodedu.exe" "$xdg/zodedu/game/zodedu.exe"
check "entry under XDG_DATA_HOME" test -f "$xdg/applications/zodedu.desktop"
check "icon under XDG_DATA_HOME" test -f "$xdg/icons/hicolor/32x32/apps/zodedu.png"
check "launcher in ~/.local/bin" test -x "$home/.local/bin/zodedu"
check "nothing in ~/.local/share" absent "$home/.local/share"
check "starts in the prefix under XDG_DATA_HOME" run_launcher "$home" "$xdg" :7
check "game started there" contains_line "$scratch/wine.log" \
    "wine|$xdg/zodedu/game|$xdg/zodedu/wine|win32|zodedu.exe"
check "uninstall succeeds" install_into "$home" "$xdg" --uninstall --purge
# The desktop database's cache belongs to the applications folder, not to the game.
check "no file left" test -z "$(find "$home" "$xdg" -type f ! -name mimeinfo.cache)"

echo "== refusals"
check "unknown option refused" not quietly install_into "$home" "" --bogus
check "folder without the game refused" not quietly install_into "$home" "" --game-dir "$fakes"
check "purge without uninstall refused" not quietly install_into "$home" "" --purge
check "nothing installed by a refusal" absent "$home/.local/bin/zodedu"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
