#!/bin/sh
# The program on a session bus of its own (run under dbus-run-session): the first start owns the
# desktop entry's name and answers org.freedesktop.Application, as a desktop calls it.
# Usage: bus_test.sh PROGRAM
set -eu
export LC_ALL=C.UTF-8
program=$1
here=$(cd "$(dirname "$0")" && pwd)
status=0
fail() { echo "FAIL: $*" >&2; status=1; }
pids=
trap 'for pid in $pids; do kill "$pid" 2>/dev/null || :; done' EXIT

settings=$XDG_CONFIG_HOME/Velmora/Ondaris.conf
cp "$here/Jean Dupont.bio" .
printf 'pas une étude' >abimee.bio
. "$here/program.sh"
opened() { grep -qF "$1" "$settings" 2>/dev/null; }
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

# A later start still hands its studies over and ends.
timeout 15 "$program" || fail "a later start without a study did not end"
kill -0 "$first" 2>/dev/null || fail "the running program ended"

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
exit $status
