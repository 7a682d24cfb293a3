#!/usr/bin/env bash
# Installs what is missing, cross-builds the Windows programs with mingw-w64 and makes the two
# Windows packages in build/windows: discada-VERSION-win64.zip (discada.exe, discada-cli.exe,
# readme.txt, LICENSE.txt and THIRD-PARTY-NOTICES.txt, nothing to install) and
# discada-VERSION-win64.msi (the same files installed for the current user, with a Start-menu
# shortcut). The programs carry their runtime inside; the notices name it.
set -euo pipefail
cd "$(dirname "$0")/.."

# icotool packs the program's icon; wixl makes the installer, and Python (with olefile) makes the
# ZIP and the installer the same bytes on every build.
bash scripts/setup.sh g++-mingw-w64-x86-64-posix mingw-w64-tools icoutils wixl python3-olefile
cmake --preset windows
cmake --build --preset windows --target windows_packages

build=build/windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for package in zip msi; do
    echo "made $build/discada-$version-win64.$package"
done
