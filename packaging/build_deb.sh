#!/usr/bin/env bash
# Builds the Debian package from a release build in build/package; prints the package's path.
# Install it with: sudo apt install ./build/package/discada_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release -B build/package -DDISCADA_BUILD_TESTS=OFF -DDISCADA_BUILD_BENCH=OFF
cmake --build build/package
(cd build/package && cpack -G DEB)
ls "$PWD"/build/package/discada_*.deb
