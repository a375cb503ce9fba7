#!/usr/bin/env bash
# Installs the Debian packages that building Caselio for Windows, packing it and checking it
# under Wine need (the Qt kit's own build adds its few with build-qt-kit.sh). Only missing
# packages are installed, so a second run on a ready machine does nothing.
set -euo pipefail

PACKAGES=(
    # the cross compiler and the build
    g++-mingw-w64-x86-64-posix mingw-w64-tools cmake ninja-build
    # the host's Qt tools (moc, rcc, uic) and Qt's Italian texts
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
    # the tests, built from Debian's GoogleTest sources
    googletest
    # the icon, the installer and the portable archive
    librsvg2-bin icoutils nsis
    # Windows programs on a virtual display, driven and looked at
    wine wine64 xvfb xauth x11-utils x11-xkb-utils xdotool openbox imagemagick poppler-utils
    # the fonts the checks give Wine, and the tool that names them as Windows does
    fonts-dejavu-core fonts-liberation python3-fonttools
    # a print queue into PDF files, which Wine takes as its printer
    cups printer-driver-cups-pdf
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
