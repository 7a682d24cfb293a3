#!/usr/bin/env bash
# Builds the Debian package from a release build in build/package; prints the package's path.
# Install it with: sudo apt install ./build/package/discada_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
# Debian's own build flags with all of its hardening; the programs go to /usr/games, as games do.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake --preset release -B build/package -DDISCADA_BUILD_TESTS=OFF -DDISCADA_BUILD_BENCH=OFF \
    -DDISCADA_DEBIAN_PACKAGE=ON -DCMAKE_INSTALL_BINDIR=games \
    "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
    "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)"
cmake --build build/package
(cd build/package && cpack -G DEB)
ls "$PWD"/build/package/discada_*.deb
