#!/usr/bin/env bash
# Takes the screenshots in docs/ under a private X server: the program is
# started, driven from the keyboard, and each window is captured as shown.
# Needs the packages xvfb, xdotool and imagemagick (not needed to build or
# run the program) and a build in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
pernoa=$root/build/src/app/pernoa
out=$root/docs

display=:97
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp &
xvfb=$!
work=$(mktemp -d)
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    if [ -n "${cupsd:-}" ]; then
        kill "$cupsd" 2>/dev/null
        wait "$cupsd" 2>/dev/null || true
    fi
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# A private print scheduler with two queues, so that the printer selection
# has something to list (root only; the system scheduler is left alone).
if [ "$(id -u)" = 0 ] && command -v cupsd >/dev/null; then
    mkdir -p "$work/root" "$work/spool/tmp" "$work/cache" "$work/state" "$work/log"
    printf '%s\n' "ServerRoot $work/root" "RequestRoot $work/spool" "TempDir $work/spool/tmp" \
        "CacheDir $work/cache" "StateDir $work/state" "ErrorLog $work/log/error_log" \
        "AccessLog $work/log/access_log" "PageLog $work/log/page_log" \
        "Printcap $work/printcap" >"$work/root/cups-files.conf"
    printf '%s\n' "Listen $work/cups.sock" "Browsing No" "WebInterface No" \
        "<Location />" "  Order allow,deny" "  Allow all" "</Location>" >"$work/root/cupsd.conf"
    cupsd -f -c "$work/root/cupsd.conf" -s "$work/root/cups-files.conf" &
    cupsd=$!
    export CUPS_SERVER=$work/cups.sock
    for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.2; done
    for queue in Office_Laser PDF; do
        lpadmin -p "$queue" -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E 2>/dev/null
    done
    lpadmin -d PDF
fi
sleep 1

# A copy of the program in a folder of its own: it keeps its default
# settings file beside itself.
cp "$pernoa" "$work/pernoa"
"$work/pernoa" &
app=$!

wait_for() { # window title -> window id
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$id" ] && {
            echo "$id"
            return
        }
        sleep 0.2
    done
    echo "no window '$1'" >&2
    exit 1
}
shot() { # window id, file
    sleep 0.7
    import -window "$1" "$out/$2"
    echo "wrote docs/$2"
}

main=$(wait_for 'ペルノアVer2.2')
sleep 1

# Both windows as they start, side by side: the README's picture.
preview=$(wait_for 'ぷれびゅ～♪')
sleep 0.7
box=$(for w in "$main" "$preview"; do xdotool getwindowgeometry --shell "$w"; echo; done |
    awk -F= '/^X=/ { x = $2 } /^Y=/ { y = $2 } /^WIDTH=/ { w = $2 } /^HEIGHT=/ { h = $2
        if (!n++ || x < x0) x0 = x; if (n == 1 || y < y0) y0 = y
        if (x + w > x1) x1 = x + w; if (y + h > y1) y1 = y + h }
        END { m = 10; printf "%dx%d+%d+%d", x1 - x0 + 2 * m, y1 - y0 + 2 * m, x0 - m, y0 - m }')
import -window root -crop "$box" +repage "$out/screenshot.png"
echo "wrote docs/screenshot.png"

# The help window: "ヘルプ" is second from the end of the focus chain.
xdotool windowfocus --sync "$main"
xdotool key --window "$main" shift+Tab shift+Tab space
help=$(wait_for 'ペルノアのへるぷ')
shot "$help" help-window.png
xdotool windowclose "$help" 2>/dev/null || xdotool windowunmap "$help"

# The About box: the third menu, "ヘルプ", its second command.
xdotool windowfocus --sync "$main"
xdotool key --window "$main" alt
sleep 0.3
xdotool key --window "$main" Right Right Down Down Return
about=$(wait_for 'ペルノアのﾊﾞｰｼﾞｮﾝ情報')
shot "$about" about-box.png
xdotool windowfocus --sync "$about"
xdotool key Escape
sleep 0.5

# The printer selection, the button before "ヘルプ", which still has the focus.
xdotool windowfocus --sync "$main"
xdotool key --window "$main" shift+Tab space
printer=$(wait_for 'ペルノア－使用するプリンターの設定')
shot "$printer" printer-dialog.png
