#!/usr/bin/env bash
# Installs what is missing, builds the browser program with Emscripten and makes
# - build/web/site/: the files to put on a web server: index.html, which holds the page, its
#   script and the WebAssembly module, readme.txt, which the help command opens beside it,
#   LICENSE.txt and THIRD-PARTY-NOTICES.txt, the notices of the others' work in the page, the web
#   app manifest, the icons and the service worker, with which the page installs as an app and
#   opens offline after one visit.
# - build/web/discada-VERSION-web.zip: the page, the readme, the licence and the notices.
#   Unzipped, the page opens by a double-click and plays offline.
set -euo pipefail
cd "$(dirname "$0")/.."

# Emscripten's tools run under Node and need Debian's acorn; the page's font is cut from M PLUS 1
# with HarfBuzz; Python packs the ZIP.
bash scripts/setup.sh emscripten nodejs node-acorn fonts-mplus libharfbuzz-bin python3
cmake --preset web
cmake --build --preset web --target discada_site

build=build/web
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
rm -rf "$build/site"
cp -r "$build/src/web/site" "$build/site"
echo "made $build/site/"

zip=discada-$version-web.zip
/usr/bin/python3 packaging/make_zip.py "$build/$zip" "$build/site" \
    index.html readme.txt LICENSE.txt THIRD-PARTY-NOTICES.txt
echo "made $build/$zip"
