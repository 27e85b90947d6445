# shellcheck shell=bash
# For the Windows scripts that source it: the Debian packages that cross-building, packing
# and testing under Wine need besides the Linux build's, installed when missing.
windows_packages=(
    g++-mingw-w64-x86-64-posix mingw-w64-tools
    # Qt's own tools (moc, rcc, uic) run on the build machine.
    qt6-base-dev-tools
    # Built into the programs: Qt's dialogs in Russian.
    qt6-translations-l10n
    # GoogleTest's sources, built for Windows with the tests.
    googletest
    nsis zip unzip
    wine wine64 xdotool x11-apps
    xz-utils
)
install_windows_packages() {
    "$(dirname "${BASH_SOURCE[0]}")/../../scripts/install-deps.sh" "${windows_packages[@]}"
}
