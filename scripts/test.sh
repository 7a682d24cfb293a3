#!/usr/bin/env bash
# Sets up the machine, checks the formatting, builds everything with warnings as errors and runs
# every test; builds the Debian packages and has lintian judge them; runs the Qt-free tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer and each fuzz target for a bounded time
# (FUZZ_SECONDS, 45 by default); then cross-builds the Windows programs and runs their tests
# under wine; then builds the browser program and runs the Qt-free tests under Node and the page
# in headless Chromium. Every package made on the way must hold the licence and its notices.
set -euo pipefail
cd "$(dirname "$0")/.."

# Everything the tests run is installed before any build is configured: valgrind for the leak
# run of the desktop program; wine and ImageMagick for the Windows programs' tests; qemu-user to
# run the search's per-processor copies as processors without AVX and without AVX-512.
bash scripts/setup.sh valgrind wine64 fonts-wine imagemagick qemu-user

# Formatting is clang-format's job: every tracked C++ file must be as .clang-format has it. In an
# unpacked source tarball, without git, every file there is one the tarball tracked.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h'
else
    find . \( -path './build*' -o -path ./.cache \) -prune -o \
        -type f \( -name '*.cpp' -o -name '*.h' \) -print0
fi | xargs -0 clang-format --dry-run --Werror

cmake --preset ci
cmake --build --preset ci
ctest --preset ci

# The Debian source and binary packages as lintian judges them: no error, every warning mended or
# explained; and the licence in the package.
bash packaging/build_deb.sh
lintian --fail-on error,warning build/package/discada_*.dsc build/package/discada_*.deb
bash scripts/check_notices.sh build/package/discada_*.deb

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

bash scripts/fuzz.sh "${FUZZ_SECONDS:-45}"

# The Windows programs, cross-built with mingw-w64, and their tests under wine; the window test
# runs the program under Xvfb.
bash scripts/build_windows.sh
bash scripts/check_notices.sh build/windows/discada-*-win64.zip build/windows/discada-*-win64.msi
cmake --build --preset windows
ctest --preset windows

# The browser program: the Qt-free tests built with Emscripten under Node, and the page in headless
# Chromium driven by Debian's Selenium.
bash scripts/setup.sh chromium chromium-driver python3-selenium
bash scripts/build_web.sh
bash scripts/check_notices.sh build/web/discada-*-web.zip
cmake --build --preset web
ctest --preset web
