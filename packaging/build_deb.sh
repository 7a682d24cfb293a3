#!/usr/bin/env bash
# Builds the Debian source and binary packages from debian/ with dpkg-buildpackage, as a
# distribution would, in build/package; prints the binary package's path.
# Install it with: sudo apt install ./build/package/discada_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-buildpackage checks for build-essential besides the package's own build dependencies.
bash scripts/setup.sh debhelper build-essential
version=$(bash scripts/release_version.sh)
out=build/package
sources=$out/discada-$version
rm -rf "$out"
mkdir -p "$sources"
# dpkg-buildpackage writes its packages beside the source folder: it builds a copy of the sources
# (without the build folders and what else git ignores) inside build/package.
tar -c --exclude=./.git --exclude='./build*' --exclude=./.cache --exclude=./compile_commands.json \
    . | tar -x -C "$sources"
# The upstream tarball of the source package: the same sources without debian/.
tar -C "$out" -c --exclude="discada-$version/debian" "discada-$version" |
    gzip -9n >"$out/discada_$version.orig.tar.gz"
(cd "$sources" && dpkg-buildpackage -us -uc -jauto)
ls "$PWD/$out/discada_$version-"*"_$(dpkg --print-architecture).deb"
