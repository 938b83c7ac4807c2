#!/bin/bash
# The page's history: runs bench/pernoa_history_bench on the offscreen
# platform and checks it against the goals:
#   undo and redo of a move, 1,000 texts and 100 images on the page,
#   the page painted again                                    at most 16 ms
#     (the slowest of 200 of each)
#   10,000 steps of every kind held for undo                  under 50 MB
# Exit status 1 if a goal is missed.
#
# Usage: bench/history_bench.sh [BUILD_DIR]   (default: build)

set -u
build=${1:-build}
bench=$build/bench/pernoa_history_bench
[ -x "$bench" ] || { echo "missing $bench: build first (cmake --build $build)"; exit 2; }
export QT_QPA_PLATFORM=offscreen

out=$(for s in time memory; do "$bench" $s 2>/dev/null || exit 2; done)
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
check "undo of a move, slowest" "$(value undo_max)" 16 ms
check "redo of a move, slowest" "$(value redo_max)" 16 ms
check "$(value steps) steps held" "$(value steps_memory)" 50 MB
exit $status
