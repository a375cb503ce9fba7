#!/usr/bin/env bash
# Builds the Debian package and checks what it installs and which runtime packages it needs.
# Usage: package_test.sh <build-dir>
set -euo pipefail
build_dir=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/caselio_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6core6 libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n; do
    grep -q "$needed" <<<"$depends" || { echo "missing dependency $needed"; exit 1; }
done
# Help needs a browser opener, the game does not.
[[ $(dpkg-deb -f "$deb" Recommends) == *xdg-utils* ]] || { echo "xdg-utils not recommended"; exit 1; }

contents=$(dpkg-deb -c "$deb")
help_files=()
for file in "$build_dir"/share/caselio/help/*; do
    help_files+=("./usr/share/caselio/help/$(basename "$file")")
done
((${#help_files[@]} > 0)) || { echo "no help pages in the build tree"; exit 1; }
for path in ./usr/bin/caselio ./usr/share/applications/caselio.desktop \
    ./usr/share/icons/hicolor/scalable/apps/caselio.svg \
    ./usr/share/metainfo/org.example.caselio.metainfo.xml "${help_files[@]}"; do
    grep -q " $path\$" <<<"$contents" || { echo "package lacks $path"; exit 1; }
done
echo "package $(basename "$deb") is complete"
