#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the address and undefined-behaviour
# sanitizers in build-fuzz/, then runs each for the given number of seconds (default 60).
# New inputs that the fuzzer finds go to fuzz-corpus-work/<target>; the seeds in
# fuzz/corpus/<target> are only read. A crash, leak or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(split_text load_register round_trip integer_value is_due_today due_date_text)

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitize" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitize" >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]/#/fuzz_}"

for target in "${targets[@]}"; do
  mkdir -p "fuzz-corpus-work/$target"
  echo "== fuzz_$target for ${seconds}s"
  UBSAN_OPTIONS=print_stacktrace=1 build-fuzz/fuzz/"fuzz_$target" \
    -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="fuzz-corpus-work/$target-" \
    "fuzz-corpus-work/$target" "fuzz/corpus/$target" 2>&1 | { grep -vE '^#[0-9]+\s+(NEW|REDUCE|pulse)' || true; }
done
