#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and any named as arguments, only
# those that are missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang
    # Clang's runtimes: the sanitizers and libFuzzer (only recommended by clang, not pulled in).
    libclang-rt-dev
    libgtest-dev libgmock-dev libbenchmark-dev valgrind
    qt6-base-dev qt6-qpa-plugins fonts-liberation2
    # The windows are also tested on X11, on a private X server.
    libxcb1-dev xvfb
    lintian dpkg-dev file desktop-file-utils appstream
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" < /dev/null
