#!/usr/bin/env bash
# Builds Caselio (installing what is missing) and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh

echo "== Build and test (warnings are errors)"
cmake --preset default
cmake --build --preset default
ctest --preset default
