#!/usr/bin/env bash
# Plays three keyboard-only games by ear with the Orca screen reader on a private X server
# and prints what Orca said at each step: one with every lifeline and the about window that
# ends by taking the money, one lost on a wrong answer, one won to the million. The player
# knows the questions only from what Orca said; the right answers come from the bank.
#
#   scripts/hear-a-game.sh [GAME [FOLDER]]   # defaults: build/debug/windows/kvardelon, the repository
#
# FOLDER holds the bank as data/qw1.txt .. qw15.txt. Needs the Debian packages xvfb,
# xdotool, orca, at-spi2-core and dbus-x11. Orca's echo of the keys pressed is left out.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
game=$(realpath "${1:-$repo/build/debug/windows/kvardelon}")
folder=$(realpath "${2:-$repo}")
for tool in Xvfb xdotool orca script dbus-launch /usr/libexec/at-spi-bus-launcher python3; do
    command -v "$tool" > /dev/null || { echo "hear-a-game: $tool is missing" >&2; exit 1; }
done

tmp=$(mktemp -d)
pids=()
finish() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2> /dev/null || true; done
    [ -n "${KEEP:-}" ] && echo "kept $tmp" >&2 || rm -rf "$tmp"
}
trap finish EXIT
trap "exit 1" INT TERM

# shellcheck source=xvfb.sh
. "$repo/scripts/xvfb.sh"
start_xvfb "$tmp"
pids+=("$xvfb")
# Orca and the accessibility bus keep their settings and sockets in a home of their own.
export DISPLAY=$display HOME=$tmp/home XDG_RUNTIME_DIR=$tmp/run
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
eval "$(dbus-launch --sh-syntax)"
pids+=("$DBUS_SESSION_BUS_PID")
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 > "$tmp/at-spi.log" 2>&1 &
pids+=($!)
sleep 1
speech=$tmp/orca.out
# Orca buffers its debug file unless it is a terminal: "script" gives it one and writes
# each line through at once.
script -qfec 'exec orca --replace --debug-file=/dev/tty' "$speech" < /dev/null > "$tmp/orca.log" 2>&1 &
pids+=($!)
# Started while Orca settles in, the game is heard at once; started later, only a minute on.
sleep 4

# Qt would otherwise wait on the bus to learn that a screen reader runs.
(cd "$folder" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$game") > "$tmp/game.log" 2>&1 &
pids+=($!)
game_pid=$!
# Ready once the focus is heard on the new game picture.
for _ in $(seq 600); do grep -qs "SPEECH OUTPUT: 'Начать игру" "$speech" && break; sleep 0.1; done
# Keys pressed while Orca still settles in are held up for as long as D-Bus waits.
sleep 5

# The lines Orca spoke since the last call, less its echo of the keys pressed: once a line
# matching the pattern has come (any line by default) and Orca has been quiet for two seconds.
echo 0 > "$tmp/spoken"
heard() {
    local pattern=${1:-.} from count last=-1 lines
    from=$(cat "$tmp/spoken")
    lines() {
        grep -a "SPEECH OUTPUT" "$speech" | tail -n +"$((from + 1))" |
            sed -E -e "s/^.*SPEECH OUTPUT: '//" -e "s/' ?\{.*$//" |
            grep -avxE '(tab|space|left shift|shift|return|left control|control) ?' || true
    }
    for _ in $(seq 60); do lines | grep -qaE "$pattern" && break; sleep 1; done
    for _ in $(seq 30); do
        count=$(grep -ac "SPEECH OUTPUT" "$speech" || true)
        [ "$count" = "$last" ] && break
        last=$count
        sleep 2
    done
    lines | sed 's/^/    /'
    echo "$count" > "$tmp/spoken"
}

# Presses the keys, then prints what the player heard under a title. A first argument
# "-w PATTERN" waits for a line that matches it.
step() {
    local pattern=.
    [ "$1" = -w ] && { pattern=$2; shift 2; }
    local title=$1
    shift
    xdotool key --delay 200 "$@"
    echo "* $title"
    heard "$pattern" | tee -a "$tmp/heard"
}

# The last question heard: "N F", N the right answer (1..4), F the first answer still shown.
lookup() {
    python3 - "$folder/data" "$tmp/heard" << 'EOF'
import re, sys, pathlib
records = []
for path in sorted(pathlib.Path(sys.argv[1]).glob('qw*.txt')):
    raw = path.read_bytes()
    text = raw[3:].decode('utf-8', 'replace') if raw.startswith(b'\xef\xbb\xbf') else raw.decode('cp1251', 'replace')
    lines = re.split(r'\r\n|\r|\n', text)
    records += [(' '.join(lines[at].split()), lines[at + 5]) for at in range(0, len(lines) - 5, 6)]
for line in reversed(pathlib.Path(sys.argv[2]).read_text(encoding='utf-8').splitlines()):
    said = ' '.join(line.split()).removeprefix('notification ')
    for question, right in records:
        if question and said.startswith(question):
            shown = [n for n, letter in enumerate('ABCD', 1) if f' {letter}:' in said[len(question):]]
            print(round(float(right.split()[0])), shown[0] if shown else 1)
            sys.exit(0)
sys.exit('hear-a-game: no question of the bank was heard')
EOF
}

# Tab presses from the focused answer to answer n (Shift+Tab when n lies before it).
to_answer() {
    local from=$1 n=$2 keys=()
    while ((from < n)); do keys+=(Tab); ((from += 1)); done
    while ((from > n)); do keys+=(shift+Tab); ((from -= 1)); done
    echo "${keys[@]}"
}

answer() {  # right|wrong
    local right first n
    read -r right first < <(lookup)
    n=$right
    [ "$1" = wrong ] && n=$((right == first ? (right % 4) + 1 : first))
    # shellcheck disable=SC2046
    step -w 'notification' "Answer $(printf '%s' ABCD | cut -c"$n") ($1)" $(to_answer "$first" "$n") space
}

# From the first answer shown, four Tabs reach the first lifeline not yet used.
lifeline() {
    local first
    read -r _ first < <(lookup)
    # shellcheck disable=SC2046
    step -w "$2" "$1" $(to_answer "$first" 1) Tab Tab Tab Tab space
}

echo "== Start"
heard "Начать игру" | tee -a "$tmp/heard"
echo "== Game 1: every lifeline, the about window, taking the money"
step -w notification "New game (Space on the town picture, which has the focus)" space
answer right
answer right
lifeline "Fifty-fifty" notification
lifeline "Call a friend" "Как зовут"
step "Type the friend's name" ctrl+a
xdotool type --delay 100 "Сосед"
heard | tee -a "$tmp/heard"
step -w "думает" "Press \"Позвонить\"" Tab space
step "Press \"Конец связи ...\"" Tab space
answer right
lifeline "Audience poll" notification
step "Press \"Спасибо!\"" space
step "Shift+Tab to \"Взять деньги\"" shift+Tab
step -w "УСПЕХОВ" "Shift+Tab to \"О программе\", open it" shift+Tab space
step "Press \"OK\"" space
step -w "рублей" "Tab to \"Взять деньги\" and take the money" Tab space
step "Press \"Ура!\"" space
echo "== Game 2: a wrong answer"
step -w notification "New game" space
answer right
answer wrong
step "Press \"Ура!\"" space
echo "== Game 3: the million"
step -w notification "New game" space
for _ in $(seq 15); do answer right; done
step "Press \"Ура!\"" space
kill -0 "$game_pid"
