#!/usr/bin/env bash
# Builds Caselio for 64-bit Windows on this Debian machine and packs it: the installer
# Caselio-<version>-win64-setup.exe and the portable Caselio-<version>-win64.zip, in
# build/windows. Then runs the Windows checks under Wine: the test suite as Windows programs,
# and the installed game played, printed from, closed and uninstalled.
# Installs what it needs with apt-get; builds the Qt kit for Windows once (about an hour on
# two cores) and keeps it in ~/.cache/caselio for later runs.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)

scripts/windows/setup-deps.sh

echo "== Qt kit for Windows"
CASELIO_QT_KIT=$(scripts/windows/build-qt-kit.sh | tee /dev/stderr | tail -n 1)
export CASELIO_QT_KIT
kit_ready=$(date +%s)

echo "== Cross-build for Windows (warnings are errors)"
cmake --preset windows
cmake --build --preset windows

echo "== Pack the installer and the portable archive"
cpack --preset windows

echo "== Check under Wine"
tests/wine/wine_checks.sh build/windows build/windows/wine-checks

echo "== Windows packages in build/windows: $(cd build/windows && ls Caselio-*-win64-setup.exe Caselio-*-win64.zip | paste -sd ' ')"
echo "Kit $(( (kit_ready - started) / 60 )) min, the rest $(( ($(date +%s) - kit_ready) / 60 )) min"
