#!/usr/bin/env bash
# Takes the pictures of the music presets in docs/: each preset (A4, rastral
# 3, four bars per line) on the preview at the small display size, and the
# same page exported to PDF and rendered by poppler; then the third tab of
# the main window with the piano preset. Runs under a private X server.
# Needs xvfb, xdotool, imagemagick and poppler-utils (not needed to build or
# run the program) and a build in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
pernoa=$root/build/src/app/pernoa
out=$root/docs

display=:96
Xvfb "$display" -screen 0 1280x1000x24 -nolisten tcp -noreset &
xvfb=$!
work=$(mktemp -d)
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
sleep 1

# A copy of the program in a folder of its own: it keeps its default
# settings file beside itself.
cp "$pernoa" "$work/pernoa"

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

presets=(piano guitar-tab satb percussion)
for preset in "${presets[@]}"; do
    "$work/pernoa" --save-settings "$work/$preset.kvs2" --preset "$preset" --rastral 3 --bars 4
    "$work/pernoa" --export-pdf "$work/$preset.pdf" "$work/$preset.kvs2"
    pdftoppm -r 40 -png -singlefile "$work/$preset.pdf" "$work/$preset-pdf"

    # Started with the file, the program shows its page on the preview.
    "$work/pernoa" "$work/$preset.kvs2" &
    app=$!
    preview=$(wait_for 'ぷれびゅ～♪')
    sleep 1.5
    import -window "$preview" "$work/$preset-preview.png"
    if [ "$preset" = piano ]; then
        # The third tab: Ctrl+Tab twice from the first.
        main=$(wait_for 'ペルノアVer2.2 - piano.kvs2')
        xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
        xdotool key --window "$main" ctrl+Tab ctrl+Tab
        sleep 0.7
        import -window "$main" "$out/music-tab.png"
        echo "wrote docs/music-tab.png"
    fi
    kill "$app"
    wait "$app" 2>/dev/null || true
    app=
done

row() { # suffix, output
    local files=()
    for preset in "${presets[@]}"; do
        convert "$work/$preset-$1.png" -resize x420 -bordercolor '#888888' -border 1 \
            -bordercolor white -border 8 "$work/$preset-$1-small.png"
        files+=("$work/$preset-$1-small.png")
    done
    convert "${files[@]}" +append "$out/$2"
    echo "wrote docs/$2"
}
row preview music-presets-preview.png
row pdf music-presets-pdf.png
