#!/usr/bin/env bash
# Builds the Debian package in a fresh build folder and checks it: lintian, file list, menu entries, metainfo, banks.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/package
expected=packaging/expected-files.txt
app_id=example.kvardelon.Kvardelon

for tool in cmake cpack lintian dpkg-deb dpkg-buildflags desktop-file-validate appstreamcli; do
    if ! command -v "$tool" > /dev/null; then
        echo "check-package: $tool is missing; scripts/install-deps.sh installs it" >&2
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rm -rf "$build"
# Debian's hardening flags, as a package built by Debian's own tools gets them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake --preset release -B "$build" -DBUILD_TESTING=OFF -DKVARDELON_BENCHMARKS=OFF \
      -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games > /dev/null
cmake --build "$build" -j2 --target kvardelon kvardelon-check kvardelon-editor manual_pages debian_changelog
(cd "$build" && cpack -G DEB > /dev/null)
deb=$(find "$build" -maxdepth 1 -name 'kvardelon_*.deb' -print -quit)
[ -n "$deb" ] || { echo "check-package: cpack made no .deb" >&2; exit 1; }
echo "== $deb"
dpkg-deb --field "$deb" Package Version Section Depends

echo "== lintian"
# Errors and warnings are shown; an error fails the check.
status=0
lintian --fail-on error "$deb" > "$work/lintian.txt" 2>&1 || status=$?
grep -v '^running with root privileges is not recommended!$' "$work/lintian.txt" || echo "no errors, no warnings"
if [ "$status" -ne 0 ]; then
    echo "check-package: lintian found errors" >&2
    exit 1
fi

echo "== file list"
actual=$(dpkg-deb --contents "$deb" | awk '{print $6}' | grep -v '/$' | sed 's|^\./|/|' | sort)
if ! diff -u <(grep -v '^#' "$expected" | sort) <(printf '%s\n' "$actual"); then
    echo "check-package: the package's files differ from $expected (- expected, + packaged)" >&2
    exit 1
fi
echo "as listed in $expected"

echo "== installed files"
root=$work/root
dpkg-deb --extract "$deb" "$root"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
# Each menu entry starts the packaged game where its packaged bank is: the main bank and the classroom bank.
for entry in "$app_id" "$app_id.Classroom"; do
    desktop=$root/usr/share/applications/$entry.desktop
    desktop-file-validate "$desktop"
    exec_name=$(sed -n 's/^Exec=//p' "$desktop")
    bank_parent=$(sed -n 's/^Path=//p' "$desktop")
    [ -x "$root/usr/games/$exec_name" ] || { echo "check-package: Exec=$exec_name is not in /usr/games" >&2; exit 1; }
    "$root/usr/games/kvardelon-check" "$root$bank_parent/data"
done
# The editor's entry, and the editor starting from the package to answer for its one argument.
desktop-file-validate "$root/usr/share/applications/$app_id.Editor.desktop"
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/games/kvardelon-editor" --help | grep -q 'ПАПКА'
echo "check-package: all checks passed"
