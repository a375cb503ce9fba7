#!/usr/bin/env bash
# Runs the engine fuzzer for the given number of seconds (default 60) on a copy of the
# committed seed corpus, so the run never writes into the source tree.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
fuzzer=build/fuzz/bin/engine_fuzzer
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp tests/fuzz/corpus/* "$work/corpus/"
mkdir -p build/fuzz/artifacts
if ! (cd "$work" && "$OLDPWD/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$OLDPWD/build/fuzz/artifacts/" corpus \
    >log 2>&1); then
    cat "$work/log"
    echo "The engine fuzzer found a failure (reproducer in build/fuzz/artifacts)."
    exit 1
fi
tail -n 6 "$work/log"
