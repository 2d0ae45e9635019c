#!/usr/bin/env bash
# Builds the stripped 32-bit release in build/release-win32 and puts the player's packages in
# dist/: the zip of the game's files and the Windows installer, with their SHA-256 sums.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
scripts/install-deps.sh dist
build=build/release-win32
cmake --preset win32 -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target zodedu_packages

mapfile -t packages <"$build/packaging/packages.txt"
if [ "${#packages[@]}" -ne 2 ]; then
    echo "Expected the zip and the installer, got: ${packages[*]}" >&2
    exit 1
fi
rm -rf dist
mkdir dist
cp "${packages[@]}" dist/
(cd dist && sha256sum -- * >SHA256SUMS)
echo "== dist/"
ls -l dist
