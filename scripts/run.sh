#!/usr/bin/env bash
# Sets up the machine, builds pernoa and runs it: the windows when there is a
# display, otherwise the default page exported to a PDF file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# Only the program itself: the tests and benchmarks are built by scripts/test.sh.
cmake --preset default >/dev/null
cmake --build --preset default --target pernoa -j "$(nproc)"
if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    out="$PWD/pernoa-default-page.pdf"
    ./build/src/app/pernoa --export-pdf "$out"
    echo "No display: the default page was written to $out"
    exit 0
fi
exec ./build/src/app/pernoa "$@"
