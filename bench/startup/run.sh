#!/usr/bin/env bash
# Start-up of the game against the bare-window floor on Xvfb: time to the main window mapped, and memory then.
#
#   bench/startup/run.sh [RUNS]             (default 15 runs of each; BUILD=folder, default build/release)
#   bench/startup/run.sh --windows [RUNS]   the Windows game and floor under Wine, as built by
#                                           packaging/windows/build.sh, in a fresh Wine prefix
#
# Each run starts the program under kvardelon-startup-watch, which notes the time, starts it,
# waits for the X server's MapNotify of its window and reads VmRSS from /proc/PID/status at
# that moment, with the processor time all its threads had used by then. The game and the
# floor take turns, after one unmeasured start of each. The targets are on the wall time and
# the memory; the processor time says how much of a slow wall time was the program's own.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/xvfb.sh
. bench/release.sh

windows=false
if [ "${1:-}" = --windows ]; then
    windows=true
    shift
fi
runs=${1:-15}
limit=1.10

for tool in Xvfb awk; do
    command -v "$tool" > /dev/null || { echo "$tool is missing (apt-get install xvfb)" >&2; exit 1; }
done
watch=$build/bench/startup/kvardelon-startup-watch
start_xvfb "$work"
if $windows; then
    build_release kvardelon-startup-watch
    game=build/windows/dist/Кварделон/kvardelon.exe
    floor=build/windows/bench/startup/kvardelon-startup-floor.exe
    [ -f "$game" ] && [ -f "$floor" ] || { echo "build them first: packaging/windows/build.sh" >&2; exit 1; }
    # Wine's own start-up is the same for both; its server stays between the runs, and ten
    # seconds after the last.
    launch=(env WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine)
    env DISPLAY="$display" "${launch[@]:0:4}" wineboot -i > /dev/null 2>&1
    env DISPLAY="$display" "${launch[@]:0:4}" wineserver -w
    env DISPLAY="$display" "${launch[@]:0:4}" wineserver -p10
    platform=()
else
    build_release kvardelon kvardelon-startup-floor kvardelon-startup-watch
    game=$build/windows/kvardelon
    floor=$build/bench/startup/kvardelon-startup-floor
    launch=()
    platform=(QT_QPA_PLATFORM=xcb)
fi

# The same bare environment for both; the game starts where its bank is, as from its menu entry.
measure() {
    env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work/runtime" LANG=C.UTF-8 DISPLAY="$display" \
        "${platform[@]}" "$watch" "${launch[@]}" "$1" < /dev/null
}

measure "$game" > /dev/null
measure "$floor" > /dev/null
for _ in $(seq "$runs"); do
    measure "$game" >> "$work/game.txt"
    measure "$floor" >> "$work/floor.txt"
done

# Wine's server goes before its prefix and the X server do.
if $windows; then
    env "${launch[@]:1:1}" wineserver -k
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
game_ms=$(cut -d' ' -f1 "$work/game.txt" | median)
floor_ms=$(cut -d' ' -f1 "$work/floor.txt" | median)
game_kib=$(cut -d' ' -f2 "$work/game.txt" | median)
floor_kib=$(cut -d' ' -f2 "$work/floor.txt" | median)
game_cpu=$(cut -d' ' -f3 "$work/game.txt" | median)
floor_cpu=$(cut -d' ' -f3 "$work/floor.txt" | median)

awk -v runs="$runs" -v gm="$game_ms" -v fm="$floor_ms" -v gk="$game_kib" -v fk="$floor_kib" \
    -v gc="$game_cpu" -v fc="$floor_cpu" -v limit="$limit" '
function verdict(ratio) { return ratio <= limit ? "within " limit : "OVER " limit }
BEGIN {
    printf "start-up to the main window mapped, medians of %d runs each on Xvfb\n", runs
    printf "%-22s %12s %12s %12s\n", "", "time, ms", "VmRSS, MiB", "CPU, ms"
    printf "%-22s %12.1f %12.1f %12.1f\n", "game (kvardelon)", gm, gk / 1024, gc
    printf "%-22s %12.1f %12.1f %12.1f\n", "floor (bare window)", fm, fk / 1024, fc
    printf "%-22s %12.3f %12.3f %12.3f\n", "game / floor", gm / fm, gk / fk, gc / fc
    printf "time %s, memory %s\n", verdict(gm / fm), verdict(gk / fk)
}'
