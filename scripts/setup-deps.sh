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
    # a screen reader's view, through AT-SPI, and what Orca says, in Italian and silently
    at-spi2-core dbus-daemon python3-pyatspi gir1.2-atspi-2.0
    orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng dbus-x11 locales
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

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
fi

# Orca's test speaks Italian, as an Italian player's Orca does.
if ! locale -a 2>/dev/null | grep -qix 'it_IT\.utf-\?8'; then
    echo "Generating the it_IT.UTF-8 locale"
    grep -qx 'it_IT.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
        echo 'it_IT.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen
fi
