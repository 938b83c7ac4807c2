#!/bin/bash
# What hostile or large inputs cost in memory and time, each against a goal:
#   spellings  a 274 KB RLE-compressed BMP of 5700 x 5700 pixels (130 MB
#              decoded), named by 1, 8 and 32 image items as p/pic.bmp,
#              p/./pic.bmp, p/././pic.bmp, ...: pernoa --export-pdf of each
#              file; peak memory and PDF size of 8 and 32 items at most
#              1.1 x those of 1 item (the picture decoded and stored once)
#   stdout     --export-pdf - with 50,000 copies: peak memory at most 1.2 x
#              that of the same export to a file (nothing held whole)
#   field      the windows started with a settings file whose line weight is
#              2 MB or 30 MB of letters: the refusal on screen within 2 s
#              (bench/pernoa_message_box, offscreen)
# Peak memory is the maximum resident set size from /usr/bin/time -v.
# Exit status 1 if a goal is missed.
#
# Usage: bench/resource_bench.sh [BUILD_DIR]   (default: build)
# Needs /usr/bin/time (Debian package "time").

set -u
build=${1:-build}
pernoa=$build/src/app/pernoa
box=$build/bench/pernoa_message_box
for exe in "$pernoa" "$box"; do
    [ -x "$exe" ] || { echo "missing $exe: build first (cmake --build $build)"; exit 2; }
done
[ -x /usr/bin/time ] || { echo "missing /usr/bin/time: apt-get install time"; exit 2; }
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import os, struct, sys
work = sys.argv[1]

def rle8_bmp(path, w, h):
    # Runs of 255 pixels, grey levels changing along each row and every 16 rows.
    rows = []
    for y in range(h):
        row, x, k = bytearray(), 0, y // 16
        while x < w:
            n = min(255, w - x)
            row += bytes((n, (k * 37) & 0xff))
            k += 1
            x += n
        rows.append(bytes(row) + b'\x00\x00')
    data = b''.join(rows)[:-2] + b'\x00\x01'
    palette = b''.join(bytes((i, i, i, 0)) for i in range(256))
    offset = 14 + 40 + len(palette)
    header = b'BM' + struct.pack('<IHHI', offset + len(data), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 8, 1, len(data), 3780, 3780, 256, 0)
    with open(path, 'wb') as f:
        f.write(header + info + palette + data)

def settings(path, weight, images):
    lines = ['[$TavriSettei$]', '30,30,15,15,%s,10,2,A4,0,1,0,5,0' % weight, '',
             '[$TextSettei$]', '', '[$ImageSettei$]'] + images
    with open(path, 'wb') as f:
        f.write(('\r\n'.join(lines) + '\r\n').encode('cp932'))

os.makedirs(work + '/p')
rle8_bmp(work + '/p/pic.bmp', 5700, 5700)
for n in (1, 8, 32):
    settings('%s/spell%d.kvs2' % (work, n), '普通',
             ['%d,%d,%s/p/%spic.bmp,10' % (300 * i, 300 * i, work, './' * i) for i in range(n)])
settings(work + '/field2.kvs2', 'x' * (2 * 1024 * 1024), [])
settings(work + '/field30.kvs2', 'x' * (30 * 1024 * 1024), [])
PY

peak_kb() { /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'; }

missed=0
check() { # label value limit unit
    local verdict=ok
    awk -v v="$2" -v l="$3" 'BEGIN { exit !(v <= l) }' || { verdict=MISSED; missed=1; }
    printf '  %-40s %10s %-4s (goal <= %s)  %s\n' "$1" "$2" "$4" "$3" "$verdict"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "pernoa resources ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
for n in 1 8 32; do
    mem[$n]=$(peak_kb "$pernoa" --export-pdf "$work/spell$n.pdf" "$work/spell$n.kvs2")
    size[$n]=$(stat -c %s "$work/spell$n.pdf" 2>/dev/null || echo 0)
    printf '  %-40s peak %8d KB  PDF %10d bytes\n' "$n picture item(s), one file" "${mem[$n]}" "${size[$n]}"
done
for n in 8 32; do
    check "peak, $n spellings / 1" "$(ratio "${mem[$n]}" "${mem[1]}")" 1.1 x
    check "PDF, $n spellings / 1" "$(ratio "${size[$n]}" "${size[1]}")" 1.1 x
done

file_kb=$(peak_kb "$pernoa" --export-pdf "$work/copies.pdf" --copies 50000)
out_kb=$(/usr/bin/time -v -o "$work/time.txt" "$pernoa" --export-pdf - --copies 50000 >"$work/stdout.pdf" 2>/dev/null
         awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
printf '  %-40s peak %8d KB  PDF %10d bytes\n' \
    "50,000 copies to a file" "$file_kb" "$(stat -c %s "$work/copies.pdf")" \
    "50,000 copies to standard output" "$out_kb" "$(stat -c %s "$work/stdout.pdf")"
check "peak, standard output / file" "$(ratio "$out_kb" "$file_kb")" 1.2 x

for mb in 2 30; do
    /usr/bin/time -v -o "$work/time.txt" "$box" "$work/field$mb.kvs2" >"$work/box.txt" 2>/dev/null
    read -r ms length <"$work/box.txt"
    kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
    printf '  %-40s %6s ms  peak %8d KB  text %s characters\n' \
        "windows, line weight of $mb MB" "${ms:-none}" "$kb" "${length:-?}"
    check "refusal shown, $mb MB field" "${ms:-999999}" 2000 ms
done
exit $missed
