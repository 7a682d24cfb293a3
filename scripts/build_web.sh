#!/usr/bin/env bash
# Installs what is missing, builds the browser program with Emscripten and packs
# build/web/discada-VERSION-web.zip: index.html, which holds the page, its script and the
# WebAssembly module, readme.txt, which the help command opens beside it, LICENSE.txt and
# THIRD-PARTY-NOTICES.txt, the notices of the others' work in the page. Unzipped, the page opens
# by a double-click and plays offline.
set -euo pipefail
cd "$(dirname "$0")/.."

# Emscripten's tools run under Node and need Debian's acorn; the page's font is cut from M PLUS 1
# with HarfBuzz; Python packs the ZIP.
bash scripts/setup.sh emscripten nodejs node-acorn fonts-mplus libharfbuzz-bin python3
cmake --preset web
cmake --build --preset web --target discada_page discada_web_notices

build=build/web
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
staging=$build/package
rm -rf "$staging"
mkdir -p "$staging"
cp "$build/src/web/index.html" "$staging/index.html"
# A browser shows a plain-text file as UTF-8 for certain only when it starts with the byte-order
# mark.
with_byte_order_mark() {
    printf '\xEF\xBB\xBF'
    cat "$1"
}
with_byte_order_mark readme.txt >"$staging/readme.txt"
with_byte_order_mark LICENSE >"$staging/LICENSE.txt"
notices=$build/packaging/web/THIRD-PARTY-NOTICES.txt
with_byte_order_mark "$notices" >"$staging/THIRD-PARTY-NOTICES.txt"

zip=discada-$version-web.zip
/usr/bin/python3 packaging/make_zip.py "$build/$zip" "$staging" \
    index.html readme.txt LICENSE.txt THIRD-PARTY-NOTICES.txt
echo "made $build/$zip"
