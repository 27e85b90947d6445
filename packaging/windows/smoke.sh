#!/usr/bin/env bash
# The real Windows programs under Wine, as players, teachers and a school's IT meet them: the
# checker and the game from the zip; the installer's silent per-user install, its Start-menu
# entries and a game started as the school bank's entry says; the editor saving into a Cyrillic folder; the
# uninstaller keeping what is the user's. Screens go to WORK/screens.
#
#   packaging/windows/smoke.sh DIST WORK    (from test.sh, with WINEPREFIX and DISPLAY set)
set -euo pipefail
dist=$(cd "$1" && pwd)
work=$2
here=$(cd "$(dirname "$0")" && pwd)
: "${WINEPREFIX:?}" "${DISPLAY:?}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
screens="$work/screens"
mkdir -p "$screens"
# Whatever Windows program is left when the test ends, the way it ends, goes with it.
trap 'wineserver -k 2> /dev/null || true' EXIT

fail() {
    echo "smoke: $*" >&2
    exit 1
}
step() { echo "smoke: $*"; }

# The X window of a top-level window whose title is TITLE, waited for up to 60 seconds.
window_named() {
    timeout 60 xdotool search --sync --onlyvisible --name "^$1\$" 2> /dev/null | head -1
}

shoot() {
    xwd -silent -id "$1" > "$screens/$2.xwd"
    python3 "$here/xwd.py" png "$screens/$2.xwd" "$screens/$2.png"
}

# The main window's client area starts below the frame Wine draws: found as the offset of the
# X window's size over the client size the game asks for (473 x 474 pixels at 96 dpi).
click_in_client() {
    local window=$1 x=$2 y=$3 width height
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove --window "$window" $((x + (WIDTH - 473) / 2)) $((y + HEIGHT - 474 - (WIDTH - 473) / 2)) click 1
}

# Plays one game in the program started by the caller: a click on the town picture must show
# a question, and answering A again and again must end the game in the result window.
play_a_game() {
    local name=$1 main result
    main=$(window_named "Кварделон") || true
    [ -n "$main" ] || fail "$name: the main window did not open"
    sleep 1
    shoot "$main" "$name-start"
    click_in_client "$main" 252 200
    sleep 1
    shoot "$main" "$name-question"
    # The question and the answers are drawn below the pictures: the lower half changes.
    local changed
    changed=$(python3 "$here/xwd.py" changed "$screens/$name-start.xwd" "$screens/$name-question.xwd" 0 300 400 150)
    [ "$changed" -gt 500 ] || fail "$name: no question appeared after a click on the town picture ($changed pixels changed)"
    for _ in $(seq 16); do
        result=$(xdotool search --onlyvisible --name '^Спасибо за игру\.$' 2> /dev/null | head -1) || true
        [ -z "$result" ] || break
        click_in_client "$main" 120 380
        sleep 1
    done
    [ -n "$result" ] || fail "$name: no result window after sixteen answers"
    shoot "$result" "$name-result"
    step "$name: a question after a click on the town picture, the result window after a wrong answer"
}

# --- The zip, unpacked as a teacher would.
zip=$(ls "$dist"/kvardelon-*-windows-x64.zip)
rm -rf "$work/zip"
mkdir -p "$work/zip"
unzip -q "$zip" -d "$work/zip"
app="$work/zip/Кварделон"

for bank in data classroom/data; do
    (cd "$app" && "$here/wine-run.sh" ./kvardelon-check.exe "$bank" > "$work/check.txt") \
        || fail "the checker failed the shipped bank $bank: $(cat "$work/check.txt")"
done
broken="$work/Банк Марины с ошибкой"
mkdir -p "$broken/data"
cp "$app"/data/qw*.txt "$broken/data/"
: > "$broken/data/qw4.txt"
status=0
(cd "$broken" && "$here/wine-run.sh" "$app/kvardelon-check.exe" > "$work/check.txt") || status=$?
[ "$status" -eq 1 ] || fail "the checker gave status $status, not 1, on a bank with an empty qw4.txt"
grep -q 'qw4\.txt' "$work/check.txt" || fail "the checker did not name qw4.txt: $(cat "$work/check.txt")"
step "the checker passes both shipped banks and gives 1 on an empty qw4.txt"

(cd "$app" && exec wine ./kvardelon.exe > "$work/game.log" 2>&1) &
game=$!
disown
play_a_game zip
kill "$game" 2> /dev/null || true
wineserver -k 2> /dev/null || true

# --- The installer, silent and per user, as a school's IT runs it.
setup=$(ls "$dist"/kvardelon-*-windows-x64-setup.exe)
wine "$setup" /S
programs=$(winepath -u 'C:\users' 2> /dev/null)/$(whoami)
installed=$(find "$programs" -path '*AppData/Local/Programs/Кварделон' -type d | head -1)
[ -n "$installed" ] && [ -f "$installed/kvardelon.exe" ] || fail "setup.exe /S installed nothing per user"
menu=$(find "$programs" -path '*Start Menu/Programs/Кварделон' -type d | head -1)
for entry in "Кварделон" "Кварделон — школьный банк" "Редактор вопросов Кварделона"; do
    [ -f "$menu/$entry.lnk" ] || fail "no Start-menu entry «$entry»"
done
step "setup.exe /S installed per user, with the three Start-menu entries"

# The school bank's entry starts the game in classroom\, where it finds that bank's data\:
# started as the entry says (Wine's own start cannot open a shortcut with such a name).
{
    read -r target
    read -r folder
} < <(python3 "$here/lnk.py" "$menu/Кварделон — школьный банк.lnk")
[[ $target == *'\kvardelon.exe' && $folder == *'\Кварделон\classroom' ]] \
    || fail "the school bank's entry starts $target in $folder"
(cd "$(winepath -u "$folder")" && exec wine "$installed/kvardelon.exe" > "$work/game.log" 2>&1) &
disown
play_a_game menu
wineserver -k 2> /dev/null || true

# --- The editor saves a change into a bank in a Cyrillic folder.
own="$programs/Documents/Банк Марины"
mkdir -p "$own"
cp -r "$installed/data" "$own/"
before=$(md5sum < "$own/data/qw1.txt")
(cd "$installed" && exec wine ./kvardelon-editor.exe "$(winepath -w "$own")" > "$work/editor.log" 2>&1) &
disown
editor=$(timeout 60 xdotool search --sync --onlyvisible --name 'Банк Марины' 2> /dev/null | head -1) || true
[ -n "$editor" ] || fail "the editor did not open the bank in «Банк Марины»"
sleep 2
shoot "$editor" editor
# The first question of step 1, typed over in its field (a click gives it the focus; Latin
# letters, which xdotool can type into Wine whatever its keyboard map), then
# saved with Ctrl+S. The editor fills the 1024 x 768 screen: the field is at the top right.
xdotool mousemove --window "$editor" 760 56 click 1
sleep 1
xdotool key ctrl+a
xdotool type --delay 30 "Marina 2026"
sleep 1
xdotool key ctrl+s
sleep 2
shoot "$editor" editor-saved
[ "$(md5sum < "$own/data/qw1.txt")" != "$before" ] || fail "the editor saved nothing into «Банк Марины»"
iconv -f cp1251 -t utf-8 "$own/data/qw1.txt" | grep -q "Marina 2026" \
    || fail "the saved qw1.txt does not hold the new question"
wineserver -k 2> /dev/null || true
step "the editor saved a new question into «Банк Марины»"

# --- The uninstaller leaves what is the user's: her file beside the game and a changed bank file.
echo "моё" > "$installed/заметки.txt"
sleep 1
echo >> "$installed/classroom/data/qw15.txt"
wine "$installed/Удалить Кварделон.exe" /S
sleep 3
[ ! -f "$installed/kvardelon.exe" ] || fail "the uninstaller left the game"
[ ! -f "$installed/data/qw1.txt" ] || fail "the uninstaller left a shipped bank file as shipped"
[ -f "$installed/заметки.txt" ] || fail "the uninstaller removed the user's own file"
[ -f "$installed/classroom/data/qw15.txt" ] || fail "the uninstaller removed a bank file the user changed"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu entries"
[ -f "$own/data/qw1.txt" ] || fail "the uninstaller touched the user's own bank"
step "the uninstaller removed the game and kept the user's files"
