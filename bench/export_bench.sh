#!/bin/bash
# Whole-process PDF export of the default page with 1, 100 and 1,000 copies,
# each round paired with a bare start of Qt's GUI application object on the
# offscreen platform (bench/pernoa_bare_start), then checked against the goals:
#   1 copy      at most 1.5 x the bare start
#   100 copies  at most 3 x the bare start
#   each extra copy 0.2 ms or less ((t1000 - t100) / 900)
#   peak memory flat in the copy count (1,000 copies within 10 % of 1 copy)
#   PDF at most 2 KB for 1 copy and 100 KB for 100 copies
# Times are medians over the rounds; the runs of one round are interleaved so
# that a busy machine affects all of them alike. Exit status 1 if a goal is
# missed.
#
# Usage: bench/export_bench.sh [BUILD_DIR] [ROUNDS]   (defaults: build, 15)
# Needs /usr/bin/time (Debian package "time") for the memory figures.

set -u
. "$(dirname "$0")/wholeprocess.sh" "$@"

# Warm the caches once.
"$bare" >/dev/null 2>&1 && "$pernoa" --export-pdf "$work/warm.pdf" >/dev/null 2>&1

for _ in $(seq 1 "$rounds"); do
    timed bare "$bare"
    timed c1 "$pernoa" --export-pdf "$work/c1.pdf"
    timed bare "$bare"
    timed c100 "$pernoa" --export-pdf "$work/c100.pdf" --copies 100
    timed bare "$bare"
    timed c1000 "$pernoa" --export-pdf "$work/c1000.pdf" --copies 1000
done

peak_kb() { /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'; }
mem_bare=$(peak_kb "$bare")
mem1=$(peak_kb "$pernoa" --export-pdf "$work/m1.pdf")
mem100=$(peak_kb "$pernoa" --export-pdf "$work/m100.pdf" --copies 100)
mem1000=$(peak_kb "$pernoa" --export-pdf "$work/m1000.pdf" --copies 1000)

tb=$(median bare)
t1=$(median c1)
t100=$(median c100)
t1000=$(median c1000)
size1=$(stat -c %s "$work/c1.pdf")
size100=$(stat -c %s "$work/c100.pdf")
size1000=$(stat -c %s "$work/c1000.pdf")

missed=0
check() { # label value limit unit
    local verdict=ok
    awk -v v="$2" -v l="$3" 'BEGIN { exit !(v <= l) }' || { verdict=MISSED; missed=1; }
    printf '  %-34s %10s %-4s (goal <= %s)  %s\n' "$1" "$2" "$4" "$3" "$verdict"
}

echo "pernoa --export-pdf, default page, median of $rounds rounds ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
printf '  %-34s %10.1f ms\n' "bare QGuiApplication start" "$(awk -v t="$tb" 'BEGIN { print t / 1000 }')"
printf '  %-34s %10.1f ms  %8d bytes  peak %d KB\n' "1 copy" "$(awk -v t="$t1" 'BEGIN { print t / 1000 }')" "$size1" "$mem1"
printf '  %-34s %10.1f ms  %8d bytes  peak %d KB\n' "100 copies" "$(awk -v t="$t100" 'BEGIN { print t / 1000 }')" "$size100" "$mem100"
printf '  %-34s %10.1f ms  %8d bytes  peak %d KB\n' "1000 copies" "$(awk -v t="$t1000" 'BEGIN { print t / 1000 }')" "$size1000" "$mem1000"
printf '  %-34s %10s KB\n' "bare start peak memory" "$mem_bare"
echo "goals:"
check "1 copy / bare start" "$(awk -v a="$t1" -v b="$tb" 'BEGIN { printf "%.2f", a / b }')" 1.5 x
check "100 copies / bare start" "$(awk -v a="$t100" -v b="$tb" 'BEGIN { printf "%.2f", a / b }')" 3 x
check "each extra copy" "$(awk -v a="$t1000" -v b="$t100" 'BEGIN { printf "%.3f", (a - b) / 900 / 1000 }')" 0.2 ms
check "peak memory 1000 copies / 1 copy" "$(awk -v a="$mem1000" -v b="$mem1" 'BEGIN { printf "%.2f", a / b }')" 1.1 x
check "PDF, 1 copy" "$size1" 2048 B
check "PDF, 100 copies" "$size100" 102400 B
exit $missed
