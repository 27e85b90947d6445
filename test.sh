#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: with GCC, then with Clang
# under AddressSanitizer and UndefinedBehaviorSanitizer; the game's tests once more under
# valgrind; the question reader fuzzed for two minutes; the Debian package built and checked;
# the Windows programs cross-built, packed and tested under Wine.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
for preset in debug asan; do
    echo "== $preset"
    cmake --preset "$preset" > /dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
tests/hostile/valgrind.sh build/debug
fuzz/run.sh 120

echo "== package"
packaging/check-package.sh

echo "== windows"
packaging/windows/test.sh
