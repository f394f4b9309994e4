#!/bin/sh
# A full disk loses nothing: on a small file system filled to the last byte, saving a changed
# study with Ctrl+S, the names list written at the end and an export over an earlier file each
# fail, say so, keep the earlier bytes and leave no temporary file beside them.
# The file system is a tmpfs mounted in a private mount namespace (unshare, no root needed); the
# window runs on a private Xvfb, driven with xdotool.
# Usage: full_disk_test.sh PROGRAM
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)

if [ "${2:-}" != --inside ]; then
    if ! why=$(unshare -rm true 2>&1); then
        echo "SKIP: no private mount namespace here (unshare -rm: $why)"
        exit 77
    fi
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>display >/dev/null 2>&1 </dev/null &
    xvfb=$!
    trap 'kill "$xvfb" 2>/dev/null || :' EXIT
    . "$here/program.sh"
    wait_for '[ -s display ]' || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
    code=0
    DISPLAY=:$(cat display) unshare -rm "$0" "$program" --inside || code=$?
    exit $code
fi

. "$here/program.sh"
log=$PWD/program.log
pid=
trap '[ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || :' EXIT

disk=$PWD/disk
kept=$PWD/kept
mkdir -p "$disk" "$kept" "$XDG_CONFIG_HOME/Velmora"
mount -t tmpfs -o size=512k tmpfs "$disk"
cp "$here/Jean Dupont.bio" "$disk/"
printf 'BSBDBDCP\r\n1\r\nAlice\r\n2\r\n3\r\n1970\r\n' >"$disk/Ondaris.dat"
for format in csv svg ics pdf png; do
    printf 'an earlier %s export\n' "$format" >"$disk/jours.$format"
done
cp "$disk"/* "$kept/"
# To the last byte: whole pages first, then whatever a page would not hold.
dd if=/dev/zero of="$disk/fill" bs=4096 2>/dev/null || :
dd if=/dev/zero of="$disk/fill2" bs=1 2>/dev/null || :
[ "$(df --output=avail "$disk" | tail -n 1 | tr -d ' ')" -eq 0 ] || fail "the disk is not full"

# Every file as it was, and nothing beside them.
unchanged() {
    for file in "$kept"/*; do
        cmp -s "$file" "$disk/${file##*/}" || fail "$1: ${file##*/} was changed"
    done
    extra=$(ls -A "$disk" | grep -vxF -e fill -e fill2 | grep -vxF "$(ls -A "$kept")" || :)
    [ -z "$extra" ] || fail "$1: left beside the files: $extra"
}

# The command line: a French message and a failure status.
for format in csv svg ics pdf png; do
    code=0
    "$program" --export "$disk/jours.$format" "$disk/Jean Dupont.bio" 2>err || code=$?
    [ "$code" -ne 0 ] || fail "--export .$format on a full disk exited 0"
    grep -q "^Impossible d'écrire" err || fail "--export .$format: $(cat err)"
    unchanged "--export .$format"
done

# The window: the start date moved a day on, then Ctrl+S; the study stays changed, so "Quitter"
# asks about it; answered "Non", the end writes the names list, which now holds Jean Dupont.
printf '[Settings]\nSplash=0\n' >"$XDG_CONFIG_HOME/Velmora/Ondaris.conf"
# Under AddressSanitizer, libxkbcommon-x11 hands strndup a name that a bounded read may end
# without a terminator, which the strict string checks take for an overflow: not ours to mend.
(cd "$disk" && QT_QPA_PLATFORM=xcb \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0" \
    exec "$program" "Jean Dupont.bio" 2>"$log") &
pid=$!
box=
# Waits for a message box other than the one in $box, and takes it.
next_box() {
    wait_for '[ -n "$(shown "^Ondaris$" | grep -vxF "${box:-none}")" ]' || return 1
    box=$(shown "^Ondaris$" | grep -vxF "${box:-none}" | head -n 1)
}
press() { xdotool windowfocus --sync "$1" key "$2"; }
window=
wait_for '[ -n "$(shown "Jean Dupont")" ]' && window=$(shown "Jean Dupont" | head -n 1)
[ -n "$window" ] || fail "the study's window did not show"
if [ -n "$window" ]; then
    choose "$window" alt+m d || fail "the Modifier menu did not open"
    wait_for '[ -n "$(shown "^Edition ")" ]' || fail "the start date dialog did not open"
    press "$(shown "^Edition " | head -n 1)" Up
    xdotool key Return
    wait_for '[ -z "$(shown "^Edition ")" ]' || fail "the start date dialog did not close"
    press "$window" ctrl+s
    next_box || fail "no message after the failed save"
    unchanged "Ctrl+S"
    press "$box" Return
    choose "$window" alt+f q || fail "the Fichier menu did not open"
    next_box || fail "closing did not ask about the study that could not be saved"
    press "$box" n
    next_box || fail "no message when the names list could not be written"
    press "$box" Return
fi
ended() {
    state=$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | cut -c1)
    [ -z "$state" ] || [ "$state" = Z ]
}
wait_for ended || fail "the program did not end"
kill -KILL "$pid" 2>/dev/null || :
wait "$pid" 2>/dev/null || :
pid=
unchanged "the names list at the end"
exit $status
