#!/usr/bin/env bash
# Installs Zodedu for this Linux user: the 32-bit release in $XDG_DATA_HOME/zodedu/game, a
# `zodedu` launcher in ~/.local/bin and a desktop entry with the game's icon; or removes them.
# Usage: install.sh [--game-dir DIR]      install (DIR: the player's files, instead of building)
#        install.sh --uninstall [--purge] remove (--purge: the Wine prefix and settings too)
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
data_home=${XDG_DATA_HOME:-$HOME/.local/share}
data=$data_home/zodedu
launcher=$HOME/.local/bin/zodedu
entry=$data_home/applications/zodedu.desktop
icons=$data_home/icons/hicolor
icon_sizes=(32 64) # the icon's own size, and twice it for larger desktops
installed=("$data/game" "$data/launch.sh" "$data/wine-prefix.sh" "$data/wine-loader.sh" "$launcher" "$entry")
for size in "${icon_sizes[@]}"; do installed+=("$icons/${size}x$size/apps/zodedu.png"); done

usage() {
    sed -n '4,5s/^# //p' "$0" >&2
    exit 2
}

# A template with each @NAME@ replaced by its value, taken literally.
fill() {
    local text
    text=$(<"$1")
    shift
    while [ $# -gt 0 ]; do
        text=${text//"$1"/"$2"}
        shift 2
    done
    printf '%s\n' "$text"
}

# A path as one argument of a desktop entry's Exec line: quoted, with the characters that
# quoting reserves escaped, then backslashes doubled for the entry's string value and %
# doubled for Exec's field codes.
exec_argument() {
    local text=$1
    text=${text//'\'/'\\'}
    text=${text//'"'/'\"'}
    text=${text//'`'/'\`'}
    text=${text//'$'/'\$'}
    text="\"$text\""
    text=${text//'\'/'\\'}
    printf '%s' "${text//'%'/'%%'}"
}

# Lets the desktop see a new or removed entry and icon now rather than at the next login.
refresh_desktop() {
    if command -v update-desktop-database >/dev/null 2>&1 && [ -d "$data_home/applications" ]; then
        update-desktop-database -q "$data_home/applications" 2>/dev/null || true
    fi
    if command -v gtk-update-icon-cache >/dev/null 2>&1 && [ -f "$icons/index.theme" ]; then
        gtk-update-icon-cache -q -t "$icons" 2>/dev/null || true
    fi
}

uninstall_game() {
    rm -rf "${installed[@]}"
    for size in "${icon_sizes[@]}"; do
        rmdir "$icons/${size}x$size/apps" "$icons/${size}x$size" 2>/dev/null || true
    done
    rmdir "$icons" 2>/dev/null || true
    if [ "$1" = purge ]; then
        rm -rf "$data"
        echo "Removed Zodedu, its Wine prefix and settings."
    elif rmdir "$data" 2>/dev/null || [ ! -d "$data" ]; then
        echo "Removed Zodedu."
    else
        echo "Removed Zodedu; its Wine prefix and settings stay in $data (--purge removes them)."
    fi
    refresh_desktop
}

# Builds the release and sets game_dir to its staged player files (packaging/CMakeLists.txt).
build_release() {
    local build=build/release-win32
    cd "$top"
    scripts/install-deps.sh install
    cmake --preset win32 -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" -j"${JOBS:-2}" --target zodedu_packages
    game_dir=$top/$build/packaging/stage
}

install_game() {
    command -v python3 >/dev/null || { echo "python3 is needed for the icon" >&2; exit 1; }
    [ -f "$game_dir/zodedu.exe" ] || { echo "no zodedu.exe in $game_dir" >&2; exit 1; }

    rm -rf "$data/game"
    mkdir -p "$data/game" "$(dirname "$launcher")" "$(dirname "$entry")"
    cp -R "$game_dir/." "$data/game/"
    cp "$top/packaging/launch.sh" "$top/scripts/wine-prefix.sh" "$top/scripts/wine-loader.sh" "$data/"

    fill "$top/packaging/zodedu.in" \
        @LAUNCH@ "$(printf %q "$data/launch.sh")" \
        @GAME_DIR@ "$(printf %q "$data/game")" \
        @PREFIX_MAKER@ "$(printf %q "$data/wine-prefix.sh")" >"$launcher.new"
    chmod 755 "$launcher.new"
    mv "$launcher.new" "$launcher"
    fill "$top/packaging/zodedu.desktop.in" @EXEC@ "$(exec_argument "$launcher")" >"$entry"

    for size in "${icon_sizes[@]}"; do
        mkdir -p "$icons/${size}x$size/apps"
        python3 "$top/packaging/ico_to_png.py" "$top/assets/art/dynamite_burst.ico" \
            "$icons/${size}x$size/apps/zodedu.png" $((size / 32))
    done
    refresh_desktop

    echo "Installed Zodedu: run zodedu, or choose it among the games of your desktop's menu."
    case ":$PATH:" in
        *":$HOME/.local/bin:"*) ;;
        *) echo "(~/.local/bin is not on your PATH: the launcher is $launcher)" ;;
    esac
}

action=install
game_dir=
purge=
while [ $# -gt 0 ]; do
    case $1 in
        --uninstall) action=uninstall ;;
        --purge) purge=purge ;;
        --game-dir)
            [ $# -ge 2 ] || usage
            game_dir=$(cd "$2" && pwd)
            shift
            ;;
        *) usage ;;
    esac
    shift
done

if [ "$action" = uninstall ]; then
    [ -z "$game_dir" ] || usage
    uninstall_game "$purge"
else
    [ -z "$purge" ] || usage
    [ -n "$game_dir" ] || build_release
    install_game
fi
