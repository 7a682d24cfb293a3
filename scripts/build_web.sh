#!/usr/bin/env bash
# Installs what is missing, builds the browser program with Emscripten and packs
# build/web/discada-VERSION-web.zip: index.html, which holds the page, its script and the
# WebAssembly module, and readme.txt, which the help command opens beside it. Unzipped, the page
# opens by a double-click and plays offline.
set -euo pipefail
cd "$(dirname "$0")/.."

# Emscripten's tools run under Node and need Debian's acorn; the page's font is cut from M PLUS 1
# with HarfBuzz.
bash scripts/setup.sh emscripten nodejs node-acorn fonts-mplus libharfbuzz-bin
cmake --preset web
cmake --build --preset web --target discada_page

build=build/web
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
staging=$build/package
rm -rf "$staging"
mkdir -p "$staging"
cp "$build/src/web/index.html" "$staging/index.html"
# A browser shows a plain-text file as UTF-8 for certain only when it starts with the byte-order
# mark.
{
    printf '\xEF\xBB\xBF'
    cat readme.txt
} >"$staging/readme.txt"

zip=discada-$version-web.zip
rm -f "$build/$zip"
(cd "$staging" && cmake -E tar cf "../$zip" --format=zip index.html readme.txt)
echo "made $build/$zip"
