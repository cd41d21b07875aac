#!/usr/bin/env bash
# Builds the loader's fuzz target with clang and runs it for the given number
# of seconds (default 60) on a copy of the seed corpus. Fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j 2 --target kelmora_fuzz_load

rm -rf fuzz/corpus-work
mkdir -p fuzz/corpus-work
cp fuzz/corpus/* fuzz/corpus-work/

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
# Findings go to build/fuzz so that the source tree stays clean.
build/fuzz/fuzz/kelmora_fuzz_load -max_total_time="$seconds" -max_len=4096 -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/ fuzz/corpus-work
