#!/usr/bin/env bash
# Builds Caselio (installing what is missing) and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target caselio
exec build/default/bin/caselio "$@"
