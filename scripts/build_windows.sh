#!/usr/bin/env bash
# Installs what is missing, cross-builds the Windows programs with mingw-w64 and makes the two
# Windows packages in build/windows: discada-VERSION-win64.zip (discada.exe, discada-cli.exe and
# readme.txt, nothing to install) and discada-VERSION-win64.msi (the same files installed for
# the current user, with a Start-menu shortcut). The programs carry their runtime inside.
set -euo pipefail
cd "$(dirname "$0")/.."

# icotool packs the program's icon; wixl makes the installer.
bash scripts/setup.sh g++-mingw-w64-x86-64-posix mingw-w64-tools icoutils wixl
cmake --preset windows
cmake --build --preset windows --target windows_packages

build=build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for package in zip msi; do
    echo "made $build/discada-$version-win64.$package"
done
