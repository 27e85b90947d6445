#!/usr/bin/env bash
# Builds Qt for Windows once, static and minimal, from Debian's own source package of the
# same Qt the Linux build uses, and prints the folder it is installed in. The build is kept
# outside the checkout, under a key made of the source's checksum and the configure flags:
# a changed flag, or another source, builds anew; the same ones take seconds.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cache="${KVARDELON_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kvardelon-windows}"
mkdir -p "$cache"

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# Debian's source for the same suites the machine installs from.
source_list=/etc/apt/sources.list.d/kvardelon-deb-src.sources
if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; then
    # Each deb entry of the machine's own lists again, as a source entry.
    sed -n '/^Types:.*deb/,/^$/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null \
        | sed 's/^Types:.*/Types: deb-src/' > /tmp/kvardelon-deb-src.$$
    if [ ! -s /tmp/kvardelon-deb-src.$$ ]; then
        grep -h '^deb ' /etc/apt/sources.list 2>/dev/null | sed 's/^deb /deb-src /' \
            > /tmp/kvardelon-deb-src.$$
        source_list=/etc/apt/sources.list.d/kvardelon-deb-src.list
    fi
    "${sudo[@]}" cp /tmp/kvardelon-deb-src.$$ "$source_list"
    rm -f /tmp/kvardelon-deb-src.$$
    "${sudo[@]}" apt-get update -qq
fi

sources="$cache/sources"
mkdir -p "$sources"
if ! ls "$sources"/qt6-base_*.orig.tar.xz > /dev/null 2>&1; then
    (cd "$sources" && apt-get source --download-only -qq qt6-base < /dev/null)
fi
tarball="$(ls "$sources"/qt6-base_*.orig.tar.xz | head -1)"

flags=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF -DFEATURE_testlib=ON
    # The Debian source leaves out the tablet header.
    -DFEATURE_tabletevent=OFF
    # 6.4's Windows platform plugin does not compile without OpenGL; it is loaded at run
    # time, so no program links against it.
    -DFEATURE_opengl=ON -DINPUT_opengl=desktop
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
)
key="$( (sha256sum "$tarball" | cut -d' ' -f1; sha256sum "$here/mingw-w64.cmake" | cut -d' ' -f1;
         printf '%s\n' "${flags[@]}") | sha256sum | cut -c1-16)"
version="$(basename "$tarball" | sed 's/^qt6-base_\([0-9.]*\).*/\1/')"
prefix="$cache/qt-$version-mingw64-static-$key"

if [ ! -f "$prefix/.complete" ]; then
    work="$cache/work-$key"
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    echo "Building Qt $version for Windows (about half an hour on two cores) in $work" >&2
    tar -xf "$tarball" -C "$work"
    src="$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -1)"
    cmake -S "$src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${flags[@]}" > "$work/configure.log" 2>&1 \
        || { tail -40 "$work/configure.log" >&2; exit 1; }
    cmake --build "$work/build" > "$work/build.log" 2>&1 \
        || { grep -B5 -A20 'FAILED' "$work/build.log" | head -80 >&2; exit 1; }
    cmake --install "$work/build" > /dev/null
    touch "$prefix/.complete"
    rm -rf "$work"
fi
echo "$prefix"
