#!/bin/sh
# The program on a session bus of its own (run under dbus-run-session): the first start owns the
# desktop entry's name and answers org.freedesktop.Application, as a desktop calls it, and later
# starts hand their studies over through it.
# Usage: bus_test.sh PROGRAM
set -eu
export LC_ALL=C.UTF-8
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/program.sh"
pids=
trap 'for pid in $pids; do kill "$pid" 2>/dev/null || :; done' EXIT

cp "$here/Jean Dupont.bio" .
printf 'pas une étude' >abimee.bio
owned() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner fr.velmora.ondaris | grep -q true
}
# Calls a method of org.freedesktop.Application on the running program; its error on stdout.
call() {
    method=$1
    shift
    gdbus call --session --dest fr.velmora.ondaris --object-path /fr/velmora/ondaris \
        --method "org.freedesktop.Application.$method" "$@" 2>&1
}

"$program" &
first=$!
pids=$first
wait_for owned || fail "the first start does not own fr.velmora.ondaris"

# Open, with the URI a file manager gives (blank escaped): opened once, answered once it is.
uri="file://$PWD/Jean%20Dupont.bio"
call Open "['$uri']" "{}" >answer.txt || fail "Open failed: $(cat answer.txt)"
opened "Jean Dupont.bio" || fail "Open answered before the study was opened"
call Activate "{}" >answer.txt || fail "Activate failed: $(cat answer.txt)"
if call ActivateAction "'inconnue'" "[]" "{}" >answer.txt; then
    fail "an action that the desktop entry does not declare was taken"
fi

# A later start hands its studies over on the bus and ends; the socket, and the network library
# it needs, are not loaded.
cp "$here/Marie et Paul.aff" .
timeout 15 "$program" "Marie et Paul.aff" || fail "a later start did not hand its study over"
opened "Marie et Paul.aff" || fail "the later start ended before its study was opened"
timeout 15 "$program" || fail "a later start without a study did not end"
kill -0 "$first" 2>/dev/null || fail "the running program ended"
socket_ready && fail "the program listens on a socket beside the bus"
grep -q 'handover\|libQt6Network' "/proc/$first/maps" && fail "the program loaded the network library"

# A stopped running program: the later start says so, and waits for it rather than open the
# study a second time.
cp "$here/Zoé et Loïc.bi2" .
kill -STOP "$first"
timeout 30 "$program" "Zoé et Loïc.bi2" 2>later.err &
later=$!
pids="$first $later"
sleep 3
grep -q "ne répond pas" later.err || fail "the waiting later start said nothing: $(cat later.err)"
kill -0 "$later" 2>/dev/null || fail "the later start stopped waiting for a stopped program"
kill -CONT "$first"
code=0
wait "$later" || code=$?
pids=$first
[ $code -eq 0 ] || fail "the later start gave exit $code once the running program resumed"
opened "Zoé et Loïc.bi2" || fail "the resumed program did not open the study"

# A study that cannot be opened: the caller is told why. Last: the window then shows why in a
# box, which holds later calls up until it is closed.
if call Open "['file://$PWD/abimee.bio']" "{}" >answer.txt; then
    fail "Open of a study that does not read succeeded"
fi
grep -q "abimee.bio » : Format de fichier inattendu." answer.txt ||
    fail "Open did not say why the study did not open: $(cat answer.txt)"

# The name goes with the program.
kill "$first"
wait "$first" 2>/dev/null || :
pids=
wait_for '! owned' || fail "the name outlived the program"

# A later start whose study opens nowhere fails as it would alone, and says why.
"$program" &
first=$!
pids=$first
wait_for owned || fail "a new first start does not own fr.velmora.ondaris"
code=0
timeout 15 "$program" abimee.bio 2>later.err || code=$?
[ $code -eq 1 ] || fail "a study the running program could not open gave exit $code"
grep -q "abimee.bio » : Format de fichier inattendu." later.err ||
    fail "the later start did not say why its study did not open: $(cat later.err)"

# With no program running, a call from the desktop starts one through the service file that the
# package installs, and reaches it; the program starts in the home folder, as from the menu.
kill "$first"
wait "$first" 2>/dev/null || :
pids=
wait_for '! owned' || fail "the name outlived the program"
mkdir -p "$XDG_DATA_HOME/dbus-1/services"
printf '[D-BUS Service]\nName=fr.velmora.ondaris\nExec=%s\n' "$program" \
    >"$XDG_DATA_HOME/dbus-1/services/fr.velmora.ondaris.service"
sed -i '/Jean Dupont.bio/d' "$settings"
call Open "['$uri']" "{}" >answer.txt || fail "Open did not start the program: $(cat answer.txt)"
opened "Jean Dupont.bio" || fail "the program started by the bus did not open the study"
started=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.GetConnectionUnixProcessID fr.velmora.ondaris |
    sed -n 's/.*uint32 \([0-9]*\).*/\1/p')
pids=$started
[ "$(readlink "/proc/$started/cwd")" = "$HOME" ] ||
    fail "the program started by the bus is in $(readlink "/proc/$started/cwd"), not $HOME"
exit $status
