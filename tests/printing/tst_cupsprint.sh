#!/bin/bash
# Real printing: a private CUPS scheduler with a cups-pdf queue receives
# `pernoa --print`, and the PDF that cups-pdf writes is checked. First the
# same command with no scheduler at all must fail cleanly.
#
# The scheduler is the test's own (its own configuration, spool and socket
# under a temporary folder, reached through CUPS_SERVER), so a system
# scheduler, if any, is neither used nor changed. It is stopped by its PID
# however the test ends. Needs root: cups-pdf runs only as root.
#
# Usage: tst_cupsprint.sh PERNOA_EXECUTABLE

set -u
pernoa=$1

fail() {
    echo "FAIL: $*"
    if [ -n "${work:-}" ] && [ -f "$work/log/error_log" ]; then
        echo "--- the scheduler's errors and warnings:"
        grep -E '^[EW] ' "$work/log/error_log" | tail -n 30
    fi
    exit 1
}

if [ "$(id -u)" != 0 ]; then
    echo "SKIP: printing through cups-pdf needs a scheduler run as root"
    exit 77
fi
for tool in cupsd lpadmin lpstat pdfinfo pdftocairo timeout; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is not installed"

confirmation=$'プリンタへ印刷の要求をしました。\n印刷されるまでしばらくお待ちください'

work=$(mktemp -d /tmp/pernoa-cups.XXXXXX)
cupsd_pid=
cleanup() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null
        wait "$cupsd_pid" 2>/dev/null
    fi
    [ -f "$work/outputs" ] && xargs -r -d '\n' rm -f <"$work/outputs"
    rm -rf "$work"
}
trap cleanup EXIT

export CUPS_SERVER=$work/cups.sock
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY

# 1. No scheduler: the catch-all message and its cause, exit status 1,
# promptly; the printer list says why it is empty.
no_scheduler=$'エラーが発生しました\npernoa: no print scheduler is running'
err=$(timeout 60 "$pernoa" --print 2>&1 >/dev/null)
rc=$?
[ $rc = 124 ] && fail "--print hung without a scheduler"
[ $rc = 1 ] || fail "--print without a scheduler: exit $rc (expected 1): $err"
[ "$err" = "$no_scheduler" ] || fail "--print without a scheduler said: $err"
listed=$(timeout 60 "$pernoa" --list-printers 2>&1)
rc=$?
[ $rc = 1 ] || fail "--list-printers without a scheduler: exit $rc (expected 1)"
[ "$listed" = "pernoa: no print scheduler is running" ] ||
    fail "--list-printers without a scheduler said: $listed"
echo "ok: no scheduler"

# 2. A scheduler of our own with one cups-pdf queue.
mkdir -p "$work/root" "$work/spool/tmp" "$work/cache" "$work/state" "$work/log"
# The filters run as the scheduler's unprivileged user: they must reach the
# queue's PPD and the spooled document.
chmod 755 "$work" "$work/root"
cat >"$work/root/cups-files.conf" <<CONF
ServerRoot $work/root
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
Printcap $work/printcap
CONF
cat >"$work/root/cupsd.conf" <<CONF
Listen $work/cups.sock
# Debug: the log then holds each job's options, which are checked below.
LogLevel debug
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cupsd -f -c "$work/root/cupsd.conf" -s "$work/root/cups-files.conf" >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
for _ in $(seq 1 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd stopped: $(cat "$work/log/cupsd.out")"
    sleep 0.2
done
lpstat -r 2>/dev/null | grep -q "is running" || fail "cupsd did not start"

# A scheduler without printers: not the same as no scheduler.
listed=$(timeout 60 "$pernoa" --list-printers 2>&1)
rc=$?
[ $rc = 0 ] || fail "--list-printers with no printer: exit $rc (expected 0)"
[ "$listed" = "pernoa: no printer is installed" ] || fail "--list-printers with no printer said: $listed"
err=$(timeout 60 "$pernoa" --print 2>&1 >/dev/null)
[ "$err" = $'エラーが発生しました\npernoa: no printer is installed' ] ||
    fail "--print with no printer said: $err"
echo "ok: no printer installed"
lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null ||
    fail "cannot add the cups-pdf queue"
lpadmin -d PDF || fail "cannot make the queue the default"

listed=$(timeout 60 "$pernoa" --list-printers 2>&1)
[ "$listed" = "PDF (default)" ] || fail "--list-printers said: $listed"
echo "ok: printer listed"

# cups-pdf writes into PDF/ under the job owner's home, or its anonymous
# folder.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
out_dirs=("$home/PDF" /var/spool/cups-pdf/ANONYMOUS)

# Prints and waits for the document cups-pdf writes; echoes its path.
print_and_wait() {
    touch "$work/marker"
    sleep 1 # file times are compared in whole seconds
    local err rc
    err=$(timeout 120 "$pernoa" --print "$@" 2>&1 >/dev/null)
    rc=$?
    [ $rc = 0 ] || fail "--print $*: exit $rc: $err"
    [ "$err" = "$confirmation" ] || fail "--print $* said: $err"
    # The job is done when the queue is empty again.
    local done=
    for _ in $(seq 1 300); do
        if [ -z "$(lpstat -o PDF 2>/dev/null)" ]; then
            done=yes
            break
        fi
        sleep 0.2
    done
    [ -n "$done" ] || fail "the job for --print $* did not complete"
    local found
    found=$(find "${out_dirs[@]}" -maxdepth 1 -name '*.pdf' -newer "$work/marker" 2>/dev/null |
        head -n 1)
    if [ -n "$found" ]; then
        echo "$found" >>"$work/outputs"
        echo "$found"
        return
    fi
    fail "no output from cups-pdf for --print $*: $(tail -n 5 "$work/log/error_log")"
}

doc=$(print_and_wait --copies 2) || exit 1
info=$(pdfinfo "$doc") || fail "cups-pdf output unreadable"
grep -Eq '^Pages:\s+2$' <<<"$info" || fail "2 copies gave: $(grep Pages <<<"$info")"
grep -Eq '^Page size:\s+595 x 842 pts' <<<"$info" || fail "A4 gave: $(grep 'Page size' <<<"$info")"
# The normal weight is 2 device pixels of the printer: cups-pdf's queue
# reports 300 dpi, so 2/300 inch = 0.48 pt.
path=$(pdftocairo -svg -f 1 -l 1 "$doc" - | grep -m1 '<path style=.*stroke-width')
width=$(sed -E 's/.*stroke-width:([0-9.]+);.*/\1/' <<<"$path")
scale=$(sed -E 's/.*matrix\(([-0-9.]+),.*/\1/' <<<"$path")
awk -v w="$width" -v s="$scale" 'BEGIN { exit !(w * s > 0.47 && w * s < 0.49) }' ||
    fail "line width $width x $scale pt, expected 0.48 pt"
echo "ok: 2 copies on A4, lines 2 printer pixels wide"

# Actual size: the job asks the printing system not to fit the page to the
# paper or its printable area (the scheduler logs each job's options).
opts=$(grep -E '\[Job [0-9]+\] argv\[5\]=' "$work/log/error_log" | tail -n 1)
grep -q ' print-scaling=none ' <<<"$opts" || fail "the job asks for no print-scaling=none: $opts"
grep -q ' nofit-to-page ' <<<"$opts" || fail "the job does not say fit-to-page=false: $opts"
echo "ok: the job carries print-scaling=none and fit-to-page=false"

# The first staff line's start in points from the page's top left, as
# cups-pdf printed it: "x y".
first_line() {
    pdftocairo -svg -noshrink -nocenter -f 1 -l 1 "$1" - |
        grep -m1 '<path style=.*stroke-width' |
        sed -E 's/.* d="M ([-0-9.]+) ([-0-9.]+) .*matrix\(([-0-9.]+),[-0-9.]+,[-0-9.]+,([-0-9.]+),([-0-9.]+),([-0-9.]+)\).*/\1 \2 \3 \4 \5 \6/' |
        awk '{ printf "%.3f %.3f", $3 * $1 + $5, $4 * $2 + $6 }'
}
near() { # near A B: within 0.03 pt (0.01 mm)
    awk -v a="$1" -v b="$2" 'BEGIN { d = a - b; exit !(d < 0.03 && d > -0.03) }'
}
# Letter, whose paper the queue describes in whole points as it is: the
# first line exactly where the layout has it; then the scale correction,
# everything from the paper's corner 2 % wider and 2 % shorter.
doc=$(print_and_wait --paper letter) || exit 1
grep -Eq '^Page size:\s+612 x 792 pts' <<<"$(pdfinfo "$doc")" ||
    fail "letter gave: $(pdfinfo "$doc" | grep 'Page size')"
read -r x y <<<"$(first_line "$doc")"
near "$x" 42.525 && near "$y" 85.05 || fail "the first line starts at $x,$y pt, not 42.525,85.05"
doc=$(print_and_wait --paper letter --scale 102,98) || exit 1
read -r x y <<<"$(first_line "$doc")"
near "$x" 43.3755 && near "$y" 83.349 || fail "scaled, the first line starts at $x,$y pt"
echo "ok: letter at actual size, and scaled 102 % across and 98 % down"

# A size of the user's, on its own paper (708.66 x 566.93 points, which
# cups-pdf writes in whole points). A size within a few points of one the
# queue lists is printed on that one: the printing system's own choice.
doc=$(print_and_wait --paper 250x200) || exit 1
grep -Eq '^Page size:\s+70[89](\.[0-9]+)? x 56[67](\.[0-9]+)? pts' <<<"$(pdfinfo "$doc")" ||
    fail "250 x 200 mm gave: $(pdfinfo "$doc" | grep 'Page size')"
echo "ok: 250 x 200 mm"

# A named printer, and JIS B5 paper (cups-pdf's JISB5 is 518 x 727 points;
# ISO B5 would be 498 x 708).
doc=$(print_and_wait --printer PDF --paper B5) || exit 1
info=$(pdfinfo "$doc") || fail "cups-pdf output unreadable"
grep -Eq '^Pages:\s+1$' <<<"$info" || fail "1 copy gave: $(grep Pages <<<"$info")"
grep -Eq '^Page size:\s+518 x 727 pts' <<<"$info" || fail "B5 gave: $(grep 'Page size' <<<"$info")"
echo "ok: JIS B5 on the named printer"

# The calibration sheet: one A4 page with the printing confirmation.
doc=$(print_and_wait --calibration-sheet --paper A4) || exit 1
info=$(pdfinfo "$doc") || fail "cups-pdf output unreadable"
grep -Eq '^Pages:\s+1$' <<<"$info" || fail "calibration sheet gave: $(grep Pages <<<"$info")"
grep -Eq '^Page size:\s+595 x 842 pts' <<<"$info" ||
    fail "calibration sheet on A4 gave: $(grep 'Page size' <<<"$info")"
echo "ok: calibration sheet"

# An unknown printer name is refused before anything is printed.
err=$(timeout 60 "$pernoa" --print --printer NoSuchPrinter 2>&1 >/dev/null)
rc=$?
[ $rc = 1 ] || fail "--printer NoSuchPrinter: exit $rc"
[ "$err" = 'pernoa: no installed printer is named "NoSuchPrinter"' ] ||
    fail "--printer NoSuchPrinter said: $err"
echo "ok: unknown printer refused"
echo "1 passed, 0 failed"
