#!/bin/bash
# A page of six piano systems (12 staves, clefs, braces, four bars per line),
# made by the command line as a user makes it:
#   pernoa --export-pdf OUT.pdf --preset piano --rastral 3 --bars 4 [--copies 100]
# each run paired with a bare start of Qt's GUI application object on the
# offscreen platform (bench/pernoa_bare_start), and the preview's redraw at
# both display sizes (bench/pernoa_music_bench); then checked against the
# goals:
#   1 copy      at most 1.3 x the bare start
#   100 copies  at most 1.7 x the bare start
#   PDF of 100 copies at most 150 KB, each music face stored once
#   preview redraw (drawing routine and repaint) at most 16 ms (median)
# The ratios are of CPU time (user and system, from each process's resource
# usage), medians over the rounds: on a machine shared with other work the
# wall time mostly measures the waiting. Wall times are shown beside them.
# The runs of one round are interleaved, so that a busy machine affects all
# of them alike. Exit status 1 if a goal is missed.
#
# Usage: bench/music_bench.sh [BUILD_DIR] [ROUNDS]   (defaults: build, 25)

set -u
build=${1:-build}
rounds=${2:-25}
music=$build/bench/pernoa_music_bench
bare=$build/bench/pernoa_bare_start
pernoa=$build/src/app/pernoa
for exe in "$music" "$bare" "$pernoa"; do
    [ -x "$exe" ] || { echo "missing $exe: build first (cmake --build $build)"; exit 2; }
done

export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
page=(--preset piano --rastral 3 --bars 4)

# name=CPU-ms wall-ms, the medians of each command over the rounds.
times=$(python3 - "$rounds" "$bare" "$pernoa" "$work" "${page[@]}" <<'EOF'
import os, statistics, subprocess, sys, time
rounds, bare, pernoa, work, page = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:]
runs = {
    "bare": [bare],
    "plain": [pernoa, "--export-pdf", work + "/plain.pdf"],
    "c1": [pernoa, "--export-pdf", work + "/c1.pdf"] + page,
    "c100": [pernoa, "--export-pdf", work + "/c100.pdf", "--copies", "100"] + page,
}
cpu = {name: [] for name in runs}
wall = {name: [] for name in runs}
def run(argv):
    start = time.perf_counter()
    child = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0:
        sys.exit("failed: " + " ".join(argv))
    return (usage.ru_utime + usage.ru_stime) * 1000, (time.perf_counter() - start) * 1000
for argv in runs.values():  # warm the caches once
    run(argv)
for _ in range(rounds):
    for name, argv in runs.items():
        c, w = run(argv)
        cpu[name].append(c)
        wall[name].append(w)
for name in runs:
    print(f"{name} {statistics.median(cpu[name]):.2f} {statistics.median(wall[name]):.2f}")
EOF
) || { echo "$times"; exit 2; }

get() { echo "$times" | awk -v n="$1" -v f="$2" '$1 == n { print $f }'; }
ratio() { awk -v a="$(get "$1" "$2")" -v b="$(get bare "$2")" 'BEGIN { printf "%.2f", a / b }'; }
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
line() { # label name [bytes]
    printf '  %-34s %7.1f ms CPU (%s x) %7.1f ms wall (%s x)%s\n' "$1" "$(get "$2" 2)" \
        "$(ratio "$2" 2)" "$(get "$2" 3)" "$(ratio "$2" 3)" "${3:+  $3 bytes}"
}

echo "six piano systems, median of $rounds rounds ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
line "bare QGuiApplication start" bare
line "default page (pernoa --export-pdf)" plain
line "1 copy" c1 "$size1"
line "100 copies" c100 "$size100"
echo "$preview" | sed 's/^/  /'
echo "goals:"
check "1 copy / bare start" "$(ratio c1 2)" 1.3 x
check "100 copies / bare start" "$(ratio c100 2)" 1.7 x
check "PDF, 100 copies" "$size100" 153600 B
check "faces stored more than once" "$((faces - distinct))" 0 ""
check "preview redraw, small display" "$(figure preview_small_median)" 16 ms
check "preview redraw, large display" "$(figure preview_large_median)" 16 ms
exit $missed
