#!/usr/bin/env bash
# Builds Caselio (installing what is missing) and runs the whole test suite:
# the normal build, the same tests under AddressSanitizer + UndefinedBehaviorSanitizer,
# and a bounded run of the engine fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh

echo "== Build and test (warnings are errors)"
cmake --preset default
cmake --build --preset default
ctest --preset default

echo "== Build and test with AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

echo "== Fuzz the engine for ${CASELIO_FUZZ_SECONDS:-60} seconds"
cmake --preset fuzz
cmake --build --preset fuzz --target engine_fuzzer
scripts/run-fuzzer.sh "${CASELIO_FUZZ_SECONDS:-60}"
