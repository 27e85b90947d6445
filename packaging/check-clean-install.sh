#!/usr/bin/env bash
# Tries the Debian package on a fresh Debian 12: install, start from the menu entry under Xvfb, purge, leftovers.
#
#   packaging/check-clean-install.sh build/package/kvardelon_0.1.0-1_amd64.deb [OUTPUT-FOLDER]
#
# Needs root, debootstrap, a Debian mirror, and on this machine Xvfb, xdotool, xwininfo and
# ImageMagick's import. The screenshots and logs go to OUTPUT-FOLDER (default: a new folder
# under /var/tmp). Not part of test.sh: it downloads about 200 MB and takes a few minutes.
set -euo pipefail
. "$(dirname "$0")/../scripts/xvfb.sh"

deb=$(realpath "${1:?usage: $0 PACKAGE.deb [OUTPUT-FOLDER]}")
out=${2:-$(mktemp -d /var/tmp/kvardelon-clean-install.XXXXXX)}
mkdir -p "$out"
out=$(realpath "$out")
mirror=${MIRROR:-http://deb.debian.org/debian}
app_id=example.kvardelon.Kvardelon

[ "$(id -u)" -eq 0 ] || { echo "run as root" >&2; exit 1; }
for tool in debootstrap Xvfb xdotool xwininfo import; do
    command -v "$tool" > /dev/null || { echo "$tool is missing" >&2; exit 1; }
done

root=$out/chroot
xvfb=
game=
cleanup() {
    [ -z "$game" ] || kill "$game" 2> /dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2> /dev/null || true
    if [ -d "$root" ]; then
        mountpoint -q "$root/tmp/.X11-unix" && umount "$root/tmp/.X11-unix"
        mountpoint -q "$root/proc" && umount "$root/proc"
    fi
    return 0
}
trap cleanup EXIT

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@" < /dev/null; }
# Every path of the system, less the virtual and temporary ones.
listing() {
    chroot "$root" find / -xdev \( -path /proc -o -path /dev -o -path /sys -o -path /tmp -o -path /run \) -prune \
        -o -print | sort
}

echo "== debootstrap bookworm from $mirror"
debootstrap --variant=minbase bookworm "$root" "$mirror" > "$out/debootstrap.log" 2>&1
suite_root=${mirror%/debian}
cat > "$root/etc/apt/sources.list" << EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $suite_root/debian-security bookworm-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
in_root apt-get update > "$out/apt-update.log" 2>&1
in_root apt-get -y upgrade > "$out/apt-upgrade.log" 2>&1
in_root apt-get clean
echo "Debian $(cat "$root/etc/debian_version")"
listing > "$out/files-0-clean.txt"

echo "== apt-get install ./$(basename "$deb")"
cp "$deb" "$root/root/"
in_root sh -c "cd /root && apt-get install -y ./$(basename "$deb")" > "$out/install.log" 2>&1
grep -E '^[0-9]+ upgraded' "$out/install.log"
# shellcheck disable=SC2016 # dpkg-query's own fields, not the shell's
in_root dpkg-query -W -f='${Package} ${Version} ${Status}\n' kvardelon
in_root dpkg -L kvardelon > "$out/package-files.txt"
listing > "$out/files-1-installed.txt"

echo "== the menu entry"
desktop=$root/usr/share/applications/$app_id.desktop
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
path_line=$(sed -n 's/^Path=//p' "$desktop")
echo "Exec=$exec_line Path=$path_line"

start_xvfb "$out"
mkdir -p "$root/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

# As a player would: an unprivileged user, the PATH of a Debian session, the entry's folder.
chroot --userspec=65534:65534 "$root" env -i HOME=/tmp DISPLAY="$display" LANG=C.UTF-8 \
    PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
    sh -c "cd '$path_line' && exec $exec_line" > "$out/game.log" 2>&1 < /dev/null &
game=$!
window=$(DISPLAY=$display timeout 30 xdotool search --sync --onlyvisible --pid "$game" | head -n 1)
DISPLAY=$display xwininfo -id "$window" | grep -E 'xwininfo|Map State|Width|Height'
echo "running $(readlink "/proc/$game/exe") in $(readlink "/proc/$game/cwd")"
DISPLAY=$display import -window root "$out/1-started.png"

# A new game: the town picture. It reads data/qw1.txt; a broken bank would open a second window.
DISPLAY=$display xdotool mousemove --window "$window" 252 200 click 1
sleep 1
DISPLAY=$display import -window root "$out/2-first-question.png"
windows=$(DISPLAY=$display xdotool search --onlyvisible --pid "$game" | wc -l)
[ "$windows" -eq 1 ] || { echo "the game shows $windows windows after a new game" >&2; exit 1; }

# "Выход" ends the game.
DISPLAY=$display xdotool mousemove --window "$window" 64 264 click 1
status=0
wait "$game" || status=$?
game=
echo "the game ended with status $status"
[ "$status" -eq 0 ] || exit 1
umount "$root/tmp/.X11-unix"
rmdir "$root/tmp/.X11-unix"

echo "== apt-get purge kvardelon"
in_root apt-get purge -y kvardelon > "$out/purge.log" 2>&1
listing > "$out/files-2-purged.txt"
# Purged: exactly the package's own files are gone, nothing else changed.
comm -23 "$out/files-1-installed.txt" "$out/files-2-purged.txt" > "$out/removed.txt"
comm -13 "$out/files-1-installed.txt" "$out/files-2-purged.txt" > "$out/appeared.txt"
echo "$(wc -l < "$out/removed.txt") paths removed, $(wc -l < "$out/appeared.txt") appeared"
# The icon cache is made by the icon theme's trigger from what is installed, and goes with the last icon.
others=$(grep -v -x -F -f "$out/package-files.txt" "$out/removed.txt" \
    | grep -v -E '^/var/lib/dpkg/info/kvardelon\.|^/usr/share/icons/hicolor/icon-theme\.cache$' || true)
if [ -n "$others" ]; then
    printf 'the purge removed paths not of the package:\n%s\n' "$others" >&2
    exit 1
fi
if grep -i kvardelon "$out/files-2-purged.txt" | grep -v -x /root/"$(basename "$deb")"; then
    echo "left behind after the purge" >&2
    exit 1
fi
in_root apt-get autoremove --purge -y > "$out/autoremove.log" 2>&1
in_root apt-get clean
rm "$root/root/$(basename "$deb")"
listing > "$out/files-3-autoremoved.txt"
echo "== against the fresh system, after autoremove --purge of the dependencies"
diff "$out/files-0-clean.txt" "$out/files-3-autoremoved.txt" || true
echo "logs and screenshots: $out"
