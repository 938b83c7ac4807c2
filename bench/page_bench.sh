#!/bin/bash
# Whole-process SVG and PNG pages, each round paired with a bare start of Qt's
# GUI application object on the offscreen platform (bench/pernoa_bare_start),
# then checked against the goals:
#   SVG of the default page           at most 1.3 x the bare start
#   PNG of the default page (A4) at 300 dpi   at most 2.5 x the bare start
# and the peak memory of the largest PNG the program writes at 300 dpi
# (1000 x 1000 mm, 11811 x 11811 pixels), which is reported, as are the
# largest resolution refused for it and what the refusal costs.
# Times are medians over the rounds; the runs of one round are interleaved so
# that a busy machine affects all of them alike. Exit status 1 if a goal is
# missed.
#
# Usage: bench/page_bench.sh [BUILD_DIR] [ROUNDS]   (defaults: build, 15)
# Needs /usr/bin/time (Debian package "time") for the memory figures.

set -u
. "$(dirname "$0")/wholeprocess.sh" "$@"

# Warm the caches once.
"$bare" >/dev/null 2>&1 && "$pernoa" --export-svg "$work/warm.svg" >/dev/null 2>&1 &&
    "$pernoa" --export-png "$work/warm.png" >/dev/null 2>&1

for _ in $(seq 1 "$rounds"); do
    timed bare "$bare"
    timed svg "$pernoa" --export-svg "$work/page.svg"
    timed bare "$bare"
    timed png "$pernoa" --export-png "$work/page.png"
done

peak_kb() { /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'; }
mem_bare=$(peak_kb "$bare")
mem_svg=$(peak_kb "$pernoa" --export-svg "$work/m.svg")
mem_png=$(peak_kb "$pernoa" --export-png "$work/m.png")
start=$(now_us)
mem_big=$(peak_kb "$pernoa" --export-png "$work/big.png" --paper 1000x1000)
t_big=$(( $(now_us) - start ))
start=$(now_us)
mem_refused=$(peak_kb "$pernoa" --export-png "$work/refused.png" --paper 1000x1000 --dpi 440)
t_refused=$(( $(now_us) - start ))

tb=$(median bare)
ts=$(median svg)
tp=$(median png)

missed=0
check() { # label value limit unit
    local verdict=ok
    awk -v v="$2" -v l="$3" 'BEGIN { exit !(v <= l) }' || { verdict=MISSED; missed=1; }
    printf '  %-34s %10s %-4s (goal <= %s)  %s\n' "$1" "$2" "$4" "$3" "$verdict"
}
ms() { awk -v t="$1" 'BEGIN { printf "%.1f", t / 1000 }'; }

echo "pernoa --export-svg / --export-png, default page, median of $rounds rounds ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
printf '  %-34s %10s ms  peak %d KB\n' "bare QGuiApplication start" "$(ms "$tb")" "$mem_bare"
printf '  %-34s %10s ms  %8d bytes  peak %d KB\n' "SVG" "$(ms "$ts")" "$(stat -c %s "$work/page.svg")" "$mem_svg"
printf '  %-34s %10s ms  %8d bytes  peak %d KB\n' "PNG, A4 at 300 dpi" "$(ms "$tp")" "$(stat -c %s "$work/page.png")" "$mem_png"
printf '  %-34s %10s ms  %8d bytes  peak %d KB\n' "PNG, 1000 x 1000 mm at 300 dpi" "$(ms "$t_big")" "$(stat -c %s "$work/big.png")" "$mem_big"
printf '  %-34s %10s ms  peak %d KB\n' "refused: 1000 x 1000 mm at 440 dpi" "$(ms "$t_refused")" "$mem_refused"
echo "goals:"
check "SVG / bare start" "$(awk -v a="$ts" -v b="$tb" 'BEGIN { printf "%.2f", a / b }')" 1.3 x
check "PNG at 300 dpi / bare start" "$(awk -v a="$tp" -v b="$tb" 'BEGIN { printf "%.2f", a / b }')" 2.5 x
check "PNG 1000 x 1000 mm, peak memory" "$(awk -v k="$mem_big" 'BEGIN { printf "%d", k / 1024 }')" 1024 MB
exit $missed
