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
. bench/release.sh

warmup=${1:-250}
games=${2:-2000}

build_release kvardelon-memory-games
program=$build/bench/memory/kvardelon-memory-games

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
