#!/usr/bin/env bash
# Sets up the machine, builds pernoa and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
ctest --preset default -j "$(nproc)" "$@"
