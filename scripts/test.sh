#!/usr/bin/env bash
# Sets up the machine, builds pernoa with warnings as errors and runs every
# test, the check of the files' layout (clang_format) among them.
#   scripts/test.sh          the normal build (build/)
#   scripts/test.sh asan     the same tests built with clang, AddressSanitizer
#                            and UBSan (build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
bash scripts/setup.sh
cmake --preset "$preset" -DPERNOA_WERROR=ON >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
