#!/usr/bin/env bash
# Builds the Qt 6 kit for 64-bit Windows once, from Debian's source of the very Qt the
# host runs (so the host's moc and rcc match it), with Debian's mingw-w64. The kit is
# kept in a cache folder outside the clone, keyed by Qt's version and this recipe's, and a
# later run only prints where it is. Prints the kit's folder as its last line.
# With --cached it builds nothing: it prints the folder if the kit is there, else fails.
set -euo pipefail
cd "$(dirname "$0")/../.."
project=$PWD

# Bump when the configure options below change, so an old kit is not reused.
recipe=1
qt_source_version=$(dpkg-query -W -f='${source:Version}' libqt6core6)
qt_version=${qt_source_version%%+*}
cache=${CASELIO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/caselio}
kit=$cache/qt-$qt_version-win64-mingw-r$recipe

if [[ -f $kit/.complete ]]; then
    echo "$kit"
    exit 0
fi
[[ ${1:-} == --cached ]] && exit 1

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)

missing=()
for package in g++-mingw-w64-x86-64-posix mingw-w64-tools dpkg-dev ninja-build cmake qt6-base-dev-tools; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${missing[@]}"
fi

# Debian's source packages: a deb-src entry beside the release's deb entry.
if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; then
    "${sudo[@]}" tee /etc/apt/sources.list.d/caselio-deb-src.sources >/dev/null <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    "${sudo[@]}" apt-get update -q
fi

work=$cache/qt-$qt_version-win64-build
rm -rf "$work"
mkdir -p "$work"
cd "$work"
echo "== Qt $qt_version source from Debian"
apt-get source -q "qt6-base=$qt_source_version" >source.log
source_dir=$(find . -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)

echo "== Configure Qt for Windows (mingw-w64)"
start=$(date +%s)
cmake -G Ninja -S "$source_dir" -B build \
    -DCMAKE_TOOLCHAIN_FILE="$project/cmake/windows/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$kit" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF \
    -DFEATURE_concurrent=OFF \
    -DFEATURE_tabletevent=OFF >configure.log

echo "== Build Qt for Windows"
cmake --build build >build.log
cmake --install build >install.log
echo "Qt kit built in $(( ($(date +%s) - start) / 60 )) min"
touch "$kit/.complete"
cd /
rm -rf "$work"
echo "$kit"
