#!/usr/bin/env bash
# Installs what is missing, cross-builds the Windows programs with mingw-w64 and packs
# build/windows/discada-VERSION-win64.zip: discada.exe, discada-cli.exe and readme.txt. The
# programs carry their runtime inside, so nothing needs installing beside them.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh g++-mingw-w64-x86-64-posix mingw-w64-tools icoutils
cmake --preset windows
cmake --build --preset windows --target discada discada-cli

build=build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
staging=$build/package
rm -rf "$staging"
mkdir -p "$staging"
x86_64-w64-mingw32-strip -o "$staging/discada.exe" "$build/src/win32/discada.exe"
x86_64-w64-mingw32-strip -o "$staging/discada-cli.exe" "$build/src/cli/discada-cli.exe"
# Notepad shows the Japanese text right on every Windows when the file starts with the UTF-8
# byte-order mark; its lines end in CR LF.
{
    printf '\xEF\xBB\xBF'
    sed 's/\r$//; s/$/\r/' readme.txt
} >"$staging/readme.txt"

zip=discada-$version-win64.zip
rm -f "$build/$zip"
(cd "$staging" && cmake -E tar cf "../$zip" --format=zip discada.exe discada-cli.exe readme.txt)
echo "made $build/$zip"
