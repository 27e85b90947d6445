#!/usr/bin/env bash
# The Windows build tested under Wine, on a private X server: builds the programs, the zip and
# the installer (build.sh) and the cross-built test suites, runs the suites through CTest with
# Wine as their emulator, then the real programs from the zip and the installer (smoke.sh).
#
#   packaging/windows/test.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
packaging/windows/build.sh
build=build/windows
echo "== windows: the test suites"
cmake --build "$build"

. scripts/xvfb.sh
work=$(mktemp -d)
cleanup() {
    WINEPREFIX="$work/wine" wineserver -k 2> /dev/null || true
    [ -z "${xvfb:-}" ] || kill "$xvfb" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work"
export DISPLAY="$display" WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A fresh prefix: Windows as a new user meets it, with no font of the game's but its own.
wineboot -i > "$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; exit 1; }

# Now and then a program under Wine hangs before printing anything, and passes when run again:
# windows.AccessibilityTest in three of the last four full runs from a fresh clone, once the
# checker's check.classroomBankHasNoFindings; alone it never hung, and the cause is not found.
# A suite that times out is run once more, and its first time-out stays in the log.
ctest --test-dir "$build" --output-on-failure --no-tests=error -j2 --repeat after-timeout:2
packaging/windows/smoke.sh "$build/dist" "$work"
