#!/bin/bash
# A settings file with 32,767 text items and 1,000 image items that all show
# one picture:
#   load (clear, three sections, one drawing of the page)   at most 1 s
#   pernoa --export-pdf of it                               at most 2 s
#   the picture stored once in the PDF
# Load times are medians of ROUNDS loads in one process; the export time is
# the median of ROUNDS whole processes. Exit status 1 if a goal is missed.
#
# Usage: bench/settings_bench.sh [BUILD_DIR] [ROUNDS]   (defaults: build, 5)
# Needs pdfimages (Debian package poppler-utils).

set -u
build=${1:-build}
rounds=${2:-5}
pernoa=$build/src/app/pernoa
load=$build/bench/pernoa_settings_load
for exe in "$pernoa" "$load"; do
    [ -x "$exe" ] || { echo "missing $exe: build first (cmake --build $build)"; exit 2; }
done
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
here=$(cd "$(dirname "$0")/.." && pwd)
cp "$here/tests/files/data/settings/pic.bmp" "$work/pic.bmp"

python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
lines = ['[$TavriSettei$]', '30,30,15,15,普通,10,2,A4,0,1,0,5,0', '', '[$TextSettei$]']
for i in range(32767):
    lines.append('練習曲 %d\\n第%d番,%d,%d,ＭＳ Ｐゴシック,10,False,False,False,0'
                 % (i, i, 500 + (i * 37) % 10000, 500 + (i * 91) % 15000))
lines += ['', '[$ImageSettei$]']
for i in range(1000):
    lines.append('%d,%d,%s/pic.bmp,100' % ((i * 53) % 10000, (i * 97) % 15000, work))
open(work + '/big.kvs2', 'wb').write(b''.join(l.encode('cp932') + b'\r\n' for l in lines))
PY
echo "file: $(stat -c %s "$work/big.kvs2") bytes"

load_ms=$("$load" "$work/big.kvs2" "$rounds") || { echo "load failed"; exit 2; }
window_ms=$("$load" --window "$work/big.kvs2" "$rounds") || { echo "load in the window failed"; exit 2; }
now_us() { echo $(( $(date +%s%N) / 1000 )); }
times=()
for _ in $(seq "$rounds"); do
    start=$(now_us)
    "$pernoa" --export-pdf "$work/big.pdf" "$work/big.kvs2" >/dev/null 2>&1 || { echo "export failed"; exit 2; }
    times+=($(( $(now_us) - start )))
done
export_ms=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}')
images=$(pdfimages -list "$work/big.pdf" | tail -n +3 | wc -l)
objects=$(pdfimages -list "$work/big.pdf" | tail -n +3 | awk '{print $11}' | sort -u | wc -l)

echo "load (median of $rounds): $load_ms ms"
echo "load and paint in the preview window (median of $rounds): $window_ms ms (goal 1000 ms)"
echo "export-pdf (median of $rounds): $export_ms ms (goal 2000 ms), $(stat -c %s "$work/big.pdf") bytes"
echo "images drawn: $images, image objects stored: $objects (goal 1)"
fail=0
awk -v t="$window_ms" 'BEGIN {exit !(t <= 1000)}' || { echo "MISSED: load"; fail=1; }
awk -v t="$export_ms" 'BEGIN {exit !(t <= 2000)}' || { echo "MISSED: export"; fail=1; }
[ "$objects" -eq 1 ] || { echo "MISSED: picture stored once"; fail=1; }
exit $fail
