#!/usr/bin/env bash
# Runs the game's tests and the hostile bank tests of a debug build under valgrind's memcheck.
# Usage: tests/hostile/valgrind.sh [BUILD_DIR]   (default build/debug, configured and built here)
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build/debug}"

if ! command -v valgrind > /dev/null; then
    echo "valgrind is not installed: apt-get install valgrind" >&2
    exit 1
fi
cmake --preset debug -B "$build" > /dev/null
cmake --build "$build" --target game_tests hostile_tests

# Every test runs: the hostile pipe and device cases are refused before any read, so their
# ten-second guard never comes near, even at valgrind's pace. Each binary takes well under a
# minute there; one that runs five means a hang, and fails.
limit=300
status=0
for binary in "$build/tests/game/game_tests" "$build/tests/hostile/hostile_tests"; do
    echo "== valgrind: $(basename "$binary")"
    start=$SECONDS
    code=0
    timeout --kill-after=10 "$limit" valgrind --error-exitcode=1 --leak-check=full \
        --errors-for-leak-kinds=definite,indirect --track-origins=yes --quiet \
        --suppressions=tests/hostile/valgrind.supp "$binary" --gtest_brief=1 < /dev/null || code=$?
    [ "$code" -eq 0 ] || status=1
    [ "$code" -ne 124 ] || echo "== $(basename "$binary"): still running after $limit s, stopped" >&2
    echo "== $(basename "$binary"): $((SECONDS - start)) s"
done
exit "$status"
