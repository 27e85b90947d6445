# shellcheck shell=bash
# For the Windows scripts that source it: installs the Debian packages that cross-building,
# packing and testing under Wine need, only those that are missing.
windows_packages=(
    cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools
    # Qt's own tools (moc, rcc, uic) run on the build machine.
    qt6-base-dev qt6-base-dev-tools
    # Built into the programs: the game's face and Qt's dialogs in Russian.
    fonts-liberation2 qt6-translations-l10n
    # GoogleTest's sources, built for Windows with the tests.
    googletest
    nsis zip unzip
    wine wine64 xvfb xdotool x11-apps
    dpkg-dev xz-utils
)
install_windows_packages() {
    local missing=() package
    for package in "${windows_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2> /dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" < /dev/null > /dev/null
}
