#!/usr/bin/env bash
# Builds one fuzz target with clang, libFuzzer, AddressSanitizer and UBSan and
# runs it for the given number of seconds on a copy of its seed corpus.
#   scripts/fuzz.sh fuzz_textfile 600
# New inputs land in build-fuzz/corpus/TARGET; crashes, leaks and slow inputs
# in build-fuzz/artifacts/TARGET. Exit status: libFuzzer's (0 when clean).
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: scripts/fuzz.sh TARGET SECONDS}
seconds=${2:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "$target" -j "$(nproc)"
# Absolute: an input may change the working folder while it runs.
work=$PWD/build-fuzz/corpus/$target
artifacts=$PWD/build-fuzz/artifacts/$target/
mkdir -p "$work" "$artifacts"
cp -n tests/fuzz/corpus/"$target"/* "$work"/ 2>/dev/null || true
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp}
exec "build-fuzz/tests/fuzz/$target" "$work" -max_total_time="$seconds" -timeout=1 \
    -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix="$artifacts"
