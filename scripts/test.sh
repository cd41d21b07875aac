#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the normal
# build, the same tests under AddressSanitizer + UndefinedBehaviorSanitizer,
# and a bounded fuzzing run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== build and test (dev) =="
cmake --preset dev >/dev/null
cmake --build build/dev -j "$jobs"
ctest --test-dir build/dev --output-on-failure -j "$jobs"

echo "== fuzz the name codec, single records and whole files =="
bash scripts/fuzz.sh "${KELMORA_FUZZ_SECONDS:-60}"

echo "== build and test (address + undefined sanitizers) =="
cmake --preset asan >/dev/null
cmake --build build/asan -j "$jobs"
ctest --test-dir build/asan --output-on-failure -j "$jobs"

