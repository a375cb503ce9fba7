#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Caselio need.
# Only missing packages are installed, so a second run on a ready machine does nothing.
set -euo pipefail

PACKAGES=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6printsupport6 libgl-dev
    # Qt's own dialogs in Italian
    qt6-translations-l10n
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # a real window under a virtual display, screenshots, printed pages
    xvfb xauth x11-utils x11-xkb-utils xdotool openbox imagemagick poppler-utils fonts-dejavu-core
    tzdata
    # a real print queue that prints into PDF files
    cups printer-driver-cups-pdf
    # a screen reader's view, through AT-SPI
    at-spi2-core dbus-daemon python3-pyatspi gir1.2-atspi-2.0
    # checking the help pages
    tidy chromium
    # sanitizers and the fuzzer
    clang libclang-rt-14-dev
    # installing the game
    dpkg-dev file appstream desktop-file-utils
)

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
