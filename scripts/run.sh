#!/usr/bin/env bash
# Sets up the machine, builds pernoa and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
exec ./build/src/app/pernoa "$@"
