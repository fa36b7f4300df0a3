#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; then runs them all again built
# with the sanitizers, and each fuzz target for a short time.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
ctest --test-dir build --output-on-failure --timeout 600

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer; any report
# ends the run. The session test is left out there: it starts the program under faketime,
# whose preloaded library the address sanitizer refuses to run behind.
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_EXE_LINKER_FLAGS="$sanitize"
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure --timeout 600 -E '^e2e\.'

# Each fuzz target for a short, bounded time.
scripts/fuzz.sh 30
