#!/bin/bash
# A page of six piano systems (12 staves, clefs, braces, four bars per line):
# whole-process PDF export with 1 and 100 copies, each round paired with a
# bare start of Qt's GUI application object on the offscreen platform
# (bench/pernoa_bare_start), and the preview's redraw at both display sizes;
# then checked against the goals:
#   1 copy      at most 1.3 x the bare start
#   100 copies  at most 1.7 x the bare start
#   PDF of 100 copies at most 150 KB, each music face stored once
#   preview redraw (drawing routine and repaint) at most 16 ms (median)
# Times are medians over the rounds; the runs of one round are interleaved so
# that a busy machine affects all of them alike. Exit status 1 if a goal is
# missed.
#
# Usage: bench/music_bench.sh [BUILD_DIR] [ROUNDS]   (defaults: build, 15)

set -u
build=${1:-build}
rounds=${2:-15}
music=$build/bench/pernoa_music_bench
bare=$build/bench/pernoa_bare_start
pernoa=$build/src/app/pernoa
for exe in "$music" "$bare" "$pernoa"; do
    [ -x "$exe" ] || { echo "missing $exe: build first (cmake --build $build)"; exit 2; }
done

export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now_us() { echo $(( $(date +%s%N) / 1000 )); }

timed() {
    local file=$1
    shift
    local start end
    start=$(now_us)
    "$@" >/dev/null 2>&1 || { echo "failed: $*"; exit 2; }
    end=$(now_us)
    echo $((end - start)) >>"$work/$file"
}

median() { sort -n "$work/$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Warm the caches once.
"$bare" >/dev/null 2>&1 && "$music" export "$work/warm.pdf" 1 >/dev/null 2>&1

# Today's default page through the command line, for comparison: what the
# music adds to an export under the same load.
for _ in $(seq 1 "$rounds"); do
    timed bare "$bare"
    timed plain "$pernoa" --export-pdf "$work/plain.pdf"
    timed c1 "$music" export "$work/c1.pdf" 1
    timed bare "$bare"
    timed c100 "$music" export "$work/c100.pdf" 100
done

tb=$(median bare)
tplain=$(median plain)
t1=$(median c1)
t100=$(median c100)
size1=$(stat -c %s "$work/c1.pdf")
size100=$(stat -c %s "$work/c100.pdf")
faces=$(pdffonts "$work/c100.pdf" | tail -n +3 | wc -l)
distinct=$(pdffonts "$work/c100.pdf" | tail -n +3 | awk '{ print $1 }' | sort -u | wc -l)
preview=$("$music" preview 30 2>/dev/null) || { echo "failed: $music preview"; exit 2; }
figure() { echo "$preview" | awk -v n="$1" '$1 == n { print $2 }'; }

missed=0
check() { # label value limit unit
    local verdict=ok
    awk -v v="$2" -v l="$3" 'BEGIN { exit !(v <= l) }' || { verdict=MISSED; missed=1; }
    printf '  %-34s %10s %-4s (goal <= %s)  %s\n' "$1" "$2" "$4" "$3" "$verdict"
}

echo "six piano systems, median of $rounds rounds ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
printf '  %-34s %10.1f ms\n' "bare QGuiApplication start" "$(awk -v t="$tb" 'BEGIN { print t / 1000 }')"
printf '  %-34s %10.1f ms\n' "default page (pernoa --export-pdf)" "$(awk -v t="$tplain" 'BEGIN { print t / 1000 }')"
printf '  %-34s %10.1f ms  %8d bytes\n' "1 copy" "$(awk -v t="$t1" 'BEGIN { print t / 1000 }')" "$size1"
printf '  %-34s %10.1f ms  %8d bytes  %d faces\n' "100 copies" "$(awk -v t="$t100" 'BEGIN { print t / 1000 }')" "$size100" "$faces"
echo "$preview" | sed 's/^/  /'
echo "goals:"
check "1 copy / bare start" "$(awk -v a="$t1" -v b="$tb" 'BEGIN { printf "%.2f", a / b }')" 1.3 x
check "100 copies / bare start" "$(awk -v a="$t100" -v b="$tb" 'BEGIN { printf "%.2f", a / b }')" 1.7 x
check "PDF, 100 copies" "$size100" 153600 B
check "faces stored more than once" "$((faces - distinct))" 0 ""
check "preview redraw, small display" "$(figure preview_small_median)" 16 ms
check "preview redraw, large display" "$(figure preview_large_median)" 16 ms
exit $missed
