#!/bin/bash
# The preview with many items: runs bench/pernoa_item_bench's three scenarios
# on the offscreen platform and checks them against the goals:
#   redraw of the default page with 1,000 texts and 100 images  at most 50 ms
#     (the median of 30 redraws; the first redraw, which loads the faces and
#     measures every text once, is reported beside it)
#   one drag step with 1,000 items on the page                   at most 16 ms
#     (the slowest of 500 steps)
#   32,767 text items placed and drawn                           at most 1 s
#     and at most 200 MB peak memory for the whole process
# Exit status 1 if a goal is missed.
#
# Usage: bench/item_bench.sh [BUILD_DIR]   (default: build)

set -u
build=${1:-build}
bench=$build/bench/pernoa_item_bench
[ -x "$bench" ] || { echo "missing $bench: build first (cmake --build $build)"; exit 2; }
export QT_QPA_PLATFORM=offscreen

out=$(for s in redraw drag many; do "$bench" $s 2>/dev/null || exit 2; done)
echo "$out"
value() { echo "$out" | awk -v k="$1" '$1 == k { print $2 }'; }

status=0
check() { # name value limit unit
    if awk -v v="$2" -v l="$3" 'BEGIN { exit !(v <= l) }'; then
        echo "ok    $1: $2 $4 (goal $3 $4)"
    else
        echo "MISS  $1: $2 $4 (goal $3 $4)"
        status=1
    fi
}
check "redraw, 1,000 texts + 100 images, median" "$(value redraw_median)" 50 ms
echo "info  first redraw (faces loaded, texts measured): $(value redraw_first) ms"
check "drag step, slowest" "$(value drag_max)" 16 ms
check "32,767 texts placed and drawn" "$(value many_place_and_draw)" 1000 ms
check "32,767 texts, peak memory" "$(value many_peak)" 200 MB
exit $status
