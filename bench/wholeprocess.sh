# Shared by the whole-process benches (export_bench.sh, page_bench.sh): the
# build's program and bare start checked, a work folder removed on exit, and
# the timing helpers. Sourced with build and rounds from the caller's
# arguments: . bench/wholeprocess.sh "$@"

set -u
build=${1:-build}
rounds=${2:-15}
pernoa=$build/src/app/pernoa
bare=$build/bench/pernoa_bare_start
for exe in "$pernoa" "$bare"; do
    [ -x "$exe" ] || { echo "missing $exe: build first (cmake --build $build)"; exit 2; }
done
[ -x /usr/bin/time ] || { echo "missing /usr/bin/time: apt-get install time"; exit 2; }

export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now_us() { echo $(( $(date +%s%N) / 1000 )); }

# Runs a command once; appends its wall time in microseconds to a file.
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
