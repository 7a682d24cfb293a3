#!/usr/bin/env bash
# Sets up the machine, builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
