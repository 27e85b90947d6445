#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it on the bundled question bank.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release > /dev/null
cmake --build --preset release --target kvardelon
exec build/release/windows/kvardelon
