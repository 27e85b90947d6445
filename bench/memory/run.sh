#!/usr/bin/env bash
# Resident memory over a long evening: games played by clicks in one process, on the offscreen
# platform and, where Xvfb is installed, on X11; prints what each game adds after a warm-up.
#
#   bench/memory/run.sh [WARMUP [GAMES]]    (default 250 and 2000; BUILD=folder, default build/release)
#
# Two kinds of game are played: start, "Взять деньги", "Ура!"; and one that also opens and
# closes the friend call, the audience poll and the about window. The target: after the
# warm-up, 2000 games add less than 1 MiB. The exit status is 1 when a run misses it.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/xvfb.sh

warmup=${1:-250}
games=${2:-2000}
build=${BUILD:-build/release}

[ -f "$build/CMakeCache.txt" ] || cmake --preset release -B "$build" > /dev/null
cmake --build "$build" -j2 --target kvardelon-memory-games > /dev/null
program=$build/bench/memory/kvardelon-memory-games
grep -q 'CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt" \
    || echo "note: $build is not a release build" >&2

work=$(mktemp -d)
xvfb=
cleanup() {
    [ -z "$xvfb" ] || kill "$xvfb" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"

status=0
run() {
    env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 "$@" \
        "$program" "$warmup" "$games" < /dev/null || status=1
}

run QT_QPA_PLATFORM=offscreen
if command -v Xvfb > /dev/null; then
    start_xvfb "$work"
    echo
    run QT_QPA_PLATFORM=xcb DISPLAY="$display"
else
    echo "Xvfb is not installed (apt-get install xvfb): no run on X11" >&2
fi
exit "$status"
