#!/usr/bin/env bash
# Runs a Windows program under Wine for the tests, as CMake's emulator of the Windows build:
# quiet, in the prefix and on the X server that packaging/windows/test.sh prepared
# (WINEPREFIX, DISPLAY), with the program's exit status passed on.
set -uo pipefail
: "${WINEPREFIX:?set by packaging/windows/test.sh}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX
# Wine keeps the host's QT_* variables from Windows programs, which would take them for their
# own; under a WINE prefix, which Wine takes off again, a test's own (QT_QPA_PLATFORM) gets through.
for name in $(compgen -e); do
    [[ $name == QT_* ]] && export "WINE$name=${!name}"
done
# Windows' line ends on standard output would end every test name that CTest reads off it.
wine "$@" | tr -d '\r'
exit "${PIPESTATUS[0]}"
