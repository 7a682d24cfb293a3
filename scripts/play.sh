#!/usr/bin/env bash
# Sets up the machine, builds the game and starts it from the folder that holds readme.txt.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release
cmake --build --preset release
if [ -x build/release/src/app/discada ]; then
    exec build/release/src/app/discada
fi
exec build/release/src/cli/discada-cli --help
