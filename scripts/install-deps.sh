#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the game or its tests still lack.
# Usage: install-deps.sh run|test|dist|install
#   (test adds Xvfb, native GoogleTest, NSIS and Python; dist adds NSIS; install adds Python)
set -euo pipefail

purpose=${1:-run}
# GoogleTest's sources: configuring the Windows presets builds them for the Windows tests. The
# posix thread-model compilers build the tests, the win32 ones the game that is shipped.
packages=(cmake make g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 googletest
          wine wine64)
# 32-bit Wine only where the host can run it at all.
source "$(dirname "$0")/wine-loader.sh"
wine32=0
host_runs_32bit && wine32=1 && packages+=(wine32:i386)
case $purpose in
    test) packages+=(g++ xvfb libgtest-dev nsis python3) ;;
    dist) packages+=(nsis) ;;
    install) packages+=(python3) ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
need_i386=0
[ $wine32 -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386 && need_i386=1
[ ${#missing[@]} -eq 0 ] && [ $need_i386 -eq 0 ] && exit 0

commands=()
[ $need_i386 -eq 1 ] && commands+=("dpkg --add-architecture i386")
# A mirror caught mid-sync fails one index of the update; the install then uses what it has,
# and fails by itself if a package cannot be had.
commands+=("apt-get update || echo 'apt-get update reported errors: installing from the indexes it has'"
           "DEBIAN_FRONTEND=noninteractive apt-get install -y ${missing[*]}")

if [ "$(id -u)" -eq 0 ]; then
    run() { bash -c "$1"; }
elif command -v sudo >/dev/null 2>&1; then
    run() { sudo bash -c "$1"; }
else
    echo "Missing packages: ${missing[*]}. As root, run:" >&2
    for command in "${commands[@]}"; do echo "  $command" >&2; done
    exit 1
fi
echo "Installing: ${missing[*]}"
for command in "${commands[@]}"; do run "$command"; done
