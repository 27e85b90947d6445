#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it on the bundled question bank.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake --preset release > /dev/null
cmake --build --preset release
if [ ! -x build/release/windows/kvardelon ]; then
    echo "The game's windows are not built yet: only the game core and its tests exist." >&2
    exit 1
fi
exec build/release/windows/kvardelon
