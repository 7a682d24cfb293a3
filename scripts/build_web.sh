#!/usr/bin/env bash
# Installs what is missing, builds the browser program with Emscripten and makes
# - build/web/discada-VERSION-web.zip: index.html, which holds the page, its script and the
#   WebAssembly module, and readme.txt, which the help command opens beside it. Unzipped, the page
#   opens by a double-click and plays offline.
# - build/web/site/: the files to put on a web server: the same two, the web app manifest, the
#   icons and the service worker, with which the page installs as an app and opens offline after
#   one visit.
set -euo pipefail
cd "$(dirname "$0")/.."

# Emscripten's tools run under Node and need Debian's acorn; the page's font is cut from M PLUS 1
# with HarfBuzz.
bash scripts/setup.sh emscripten nodejs node-acorn fonts-mplus libharfbuzz-bin
cmake --preset web
cmake --build --preset web --target discada_site

build=build/web
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
rm -rf "$build/site"
cp -r "$build/src/web/site" "$build/site"
echo "made $build/site/"

zip=discada-$version-web.zip
rm -f "$build/$zip"
(cd "$build/site" && cmake -E tar cf "../$zip" --format=zip index.html readme.txt)
echo "made $build/$zip"
