#!/usr/bin/env bash
# Cross-builds Кварделон for 64-bit Windows on Debian: kvardelon.exe, kvardelon-editor.exe and
# kvardelon-check.exe, linked statically so that they need no DLL beyond Windows' own, and
# packs them with both banks into build/windows/dist/: a portable zip and an installer.
#
#   packaging/windows/build.sh
#
# The first run builds Qt for Windows once (build-qt.sh, about half an hour on two cores) and
# keeps it in ~/.cache/kvardelon-windows; later runs take a minute or two.
set -euo pipefail
cd "$(dirname "$0")/../.."
here=packaging/windows
. "$here/deps.sh"
install_windows_packages

qt=$("$here/build-qt.sh")
build=build/windows
if [ ! -f "$build/CMakeCache.txt" ]; then
    # The tests are configured too, so that packaging/windows/test.sh builds them in the same tree.
    cmake -S . -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
        -DCMAKE_EXE_LINKER_FLAGS="-static" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/$here/wine-run.sh" \
        -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST \
        -DKVARDELON_BENCHMARKS=ON > "$build.configure.log" \
        || { cat "$build.configure.log" >&2; exit 1; }
fi
programs=(kvardelon kvardelon-editor kvardelon-check)
cmake --build "$build" --target "${programs[@]}" kvardelon-startup-floor

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name="kvardelon-$version-windows-x64"
dist="$build/dist"
stage="$dist/Кварделон"
rm -rf "$dist"
mkdir -p "$stage/data" "$stage/classroom/data"

# Every DLL a program imports must be one of Windows' own: Wine ships its own build of each,
# and the api-ms-win-* names are Windows' API sets, which the system resolves itself.
wine_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
for program in "${programs[@]}"; do
    exe=$(find "$build" -name "$program.exe" -not -path "*/dist/*" | head -1)
    x86_64-w64-mingw32-strip -o "$stage/$program.exe" "$exe"
    for dll in $(x86_64-w64-mingw32-objdump -p "$stage/$program.exe" | sed -n 's/^\s*DLL Name: //p'); do
        if [[ ! -f "$wine_dlls/${dll,,}" && ! "${dll,,}" =~ ^api-ms-win-[a-z0-9-]+\.dll$ ]]; then
            echo "$program.exe imports $dll, which is not one of Windows' own" >&2
            exit 1
        fi
    done
done

# The banks and the texts, with Windows' line ends.
cp data/qw*.txt "$stage/data/"
cp banks/classroom/data/qw*.txt "$stage/classroom/data/"
crlf() { sed 's/\r*$/\r/' "$1" > "$2"; }
crlf "$here/ПРОЧТИ.txt" "$stage/ПРОЧТИ.txt"
cp "$here/Кварделон — школьный банк.cmd" "$stage/"
crlf LICENSE "$stage/ЛИЦЕНЗИЯ.txt"
crlf /usr/share/doc/fonts-liberation2/copyright "$stage/ШРИФТ-LIBERATION.txt"

(cd "$dist" && rm -f "$name.zip" && zip -q -r -X "$name.zip" "Кварделон")
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$PWD/$stage" \
    -DICON="$PWD/$here/kvardelon.ico" -DOUTFILE="$PWD/$dist/$name-setup.exe" "$here/installer.nsi"

echo "Made in $dist:"
for file in "$dist/$name.zip" "$dist/$name-setup.exe" "$stage"/*.exe; do
    printf '  %6d KiB  %s\n' $(($(stat -c %s "$file") / 1024)) "${file#"$dist/"}"
done
