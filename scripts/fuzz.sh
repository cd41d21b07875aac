#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for its share of the given
# number of seconds (default 60): the name codec a sixth, single records and
# whole files the rest in halves. Each grows its corpus in fuzz/corpus-work/
# (kept between runs, never committed), seeded from fuzz/corpus/. Fails on
# any finding, whose input is left in build/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
targets=(namecodec records load)
declare -A share=([namecodec]=$((seconds / 6)) [records]=$((seconds * 5 / 12)) [load]=$((seconds * 5 / 12)))
declare -A max_len=([namecodec]=128 [records]=1024 [load]=4096)
# Whole-file inputs may be as long as their limit from the start: libFuzzer
# would otherwise grow it slowly and leave most of a file's tables unpatched.
# A run whose counts are left uncapped is a hundred times slower than one
# whose counts are capped; choosing inputs by their speed too keeps those
# runs from taking most of the time.
declare -A extra=([namecodec]="" [records]="" [load]="-len_control=0 -entropic_scale_per_exec_time=1")

cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j 2 --target "${targets[@]/#/kelmora_fuzz_}"

# Recording where each block was allocated costs the record target a sixth of
# its speed; a finding is run once more with the full stacks instead. A
# quarantine of 64 MB still holds every block freed in the last hundreds of
# runs, so a use after free within a run is caught as before; the default
# 256 MB only walks the targets through fresh pages, a tenth of their speed.
full_asan_options=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
# Appended, so that they apply under the options a caller exported too.
export ASAN_OPTIONS=$full_asan_options:malloc_context_size=0:quarantine_size_mb=64
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
for target in "${targets[@]}"; do
    work=fuzz/corpus-work/$target
    mkdir -p "$work"
    cp -n fuzz/corpus/"$target"/* "$work"/
    rm -f build/fuzz/"$target"-*
    seconds_here=$((share[$target] > 0 ? share[$target] : 1))
    log=build/fuzz/$target.log
    echo "== fuzz $target for $seconds_here s =="
    status=0
    # shellcheck disable=SC2086 # the extra flags are separate words
    build/fuzz/fuzz/kelmora_fuzz_"$target" -max_total_time="$seconds_here" -max_len="${max_len[$target]}" \
        ${extra[$target]} -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build/fuzz/"$target"- "$work" \
        >"$log" 2>&1 || status=$?
    # The last status line, then the figures; everything on a finding.
    if [ "$status" -ne 0 ]; then
        cat "$log"
        for finding in build/fuzz/"$target"-*; do
            [ -f "$finding" ] || continue
            echo "== $finding again, with the stacks of its allocations =="
            ASAN_OPTIONS=$full_asan_options build/fuzz/fuzz/kelmora_fuzz_"$target" "$finding" 2>&1 | tail -n 80 || true
        done
        echo "kelmora_fuzz_$target found a fault; its input is in build/fuzz/, the whole log in $log"
        exit 1
    fi
    grep -E '^#[0-9]+[[:space:]]+(DONE|pulse)' "$log" | tail -1 || true
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added)' "$log" || true
done
