#!/bin/bash
# Hostile settings files, each loaded or refused in at most 2 s (the open
# command's sequence on a headless form, median of ROUNDS loads in one
# process), with the outcome and the first message shown. Both the wall time
# and the processor time are shown; the goal is judged on the processor time,
# which other work on a shared machine does not inflate:
#   random     64 MiB of random bytes (the largest file the readers accept)
#   quotes     64 MiB: a text section whose one value is 64 Mi double quotes
#   unclosed   64 MiB: a text value whose quote never closes, then lines
#   over       64 MiB and one byte (refused before reading)
#   texts40k   40,000 text items
#   images40k  40,000 image items, all one picture
#   longline   one text item of a single line of 30,000,000 characters: also
#              loaded into the preview window (measured and painted), and
#              exported to a PDF by the program, with its peak memory
# Exit status 1 if a goal is missed.
#
# Usage: bench/robust_bench.sh [BUILD_DIR] [ROUNDS]   (defaults: build, 3)

set -u
build=${1:-build}
rounds=${2:-3}
load=$build/bench/pernoa_settings_load
[ -x "$load" ] || { echo "missing $load: build first (cmake --build $build)"; exit 2; }
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
here=$(cd "$(dirname "$0")/.." && pwd)
cp "$here/tests/files/data/settings/pic.bmp" "$work/pic.bmp"

python3 - "$work" <<'PY'
import os, random, sys
work = sys.argv[1]
limit = 64 * 1024 * 1024
head = '[$TavriSettei$]\r\n30,30,15,15,普通,10,2,A4,0,1,0,5,0\r\n\r\n[$TextSettei$]\r\n'.encode('cp932')

def write(name, data):
    with open(os.path.join(work, name), 'wb') as f:
        f.write(data)

write('random', random.Random(13).randbytes(limit))
write('over', random.Random(14).randbytes(limit + 1))
write('quotes', head + b'"' * (limit - len(head)))
body = head + b'"never closed\r\n'
line = b'a,b,c\r\n'
write('unclosed', body + line * ((limit - len(body)) // len(line)))

texts = [l.encode('cp932') for l in ('[$TavriSettei$]', '30,30,15,15,普通,10,2,A4,0,1,0,5,0',
                                     '', '[$TextSettei$]')]
texts += [('練習曲 %d,%d,%d,ＭＳ Ｐゴシック,10,False,False,False,0'
           % (i, (i * 37) % 10000, (i * 91) % 15000)).encode('cp932') for i in range(40000)]
write('texts40k', b''.join(l + b'\r\n' for l in texts + [b'', b'[$ImageSettei$]']))
images = texts[:4] + [b'', b'[$ImageSettei$]']
images += [b'%d,%d,%s/pic.bmp,100' % ((i * 53) % 10000, (i * 97) % 15000, work.encode())
           for i in range(40000)]
write('images40k', b''.join(l + b'\r\n' for l in images))
write('longline', b''.join(l + b'\r\n' for l in texts[:4] + [
    b'a' * 30000000 + b',1000,4000,IPAGothic,20,False,False,False,0', b'',
    b'[$ImageSettei$]']))
PY

fail=0
printf '%-10s %10s %8s %8s  %-8s %s\n' file bytes wall_ms cpu_ms outcome "first message"
for name in random quotes unclosed over texts40k images40k longline; do
    out=$("$load" --either "$work/$name" "$rounds" 2>"$work/messages") || {
        echo "$name: load program failed"
        fail=1
        continue
    }
    set -- $out
    message=$(grep -v -e '^$' -e '^QStandardPaths' "$work/messages" | head -n 1)
    printf '%-10s %10s %8s %8s  %-8s %s\n' "$name" "$(stat -c %s "$work/$name")" "$1" "$2" "$3" \
        "$message"
    awk -v t="$2" 'BEGIN {exit !(t <= 2000)}' || { echo "MISSED: $name over 2 s"; fail=1; }
done

# The long line where it is measured: on the preview and on paper.
out=$("$load" --window --either "$work/longline" "$rounds" 2>/dev/null) || {
    echo "longline: preview load failed"
    fail=1
}
set -- $out
echo "longline in the preview window: ${1:-?} ms wall, ${2:-?} ms processor"
awk -v t="${2:-99999}" 'BEGIN {exit !(t <= 2000)}' || { echo "MISSED: longline preview over 2 s"; fail=1; }
/usr/bin/time -f '%e %U %S %M' -o "$work/time" "$build/src/app/pernoa" --export-pdf \
    "$work/longline.pdf" "$work/longline" 2>/dev/null || { echo "longline: export failed"; fail=1; }
read -r wall user sys peak <"$work/time"
echo "longline exported: $wall s wall, $(awk -v u="$user" -v s="$sys" 'BEGIN {print u + s}') s processor, $((peak / 1024)) MB peak, $(stat -c %s "$work/longline.pdf") bytes"
awk -v u="$user" -v s="$sys" 'BEGIN {exit !(u + s <= 2)}' || { echo "MISSED: longline export over 2 s"; fail=1; }
exit $fail
