#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: with GCC, then with Clang
# under AddressSanitizer and UndefinedBehaviorSanitizer; then fuzzes the question reader
# for two minutes.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
for preset in debug asan; do
    echo "== $preset"
    cmake --preset "$preset" > /dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
fuzz/run.sh 120
