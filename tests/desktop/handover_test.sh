#!/bin/sh
# Starts of the built program as the desktop makes them: a later start hands its studies to the
# program already running and ends; with no program running, a start keeps its window. Each
# study has one owner, even when the running program is stopped (SIGSTOP) for a while.
# Usage: handover_test.sh PROGRAM
set -eu
export LC_ALL=C.UTF-8
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/program.sh"
pids=
trap 'for pid in $pids; do kill "$pid" 2>/dev/null || :; done' EXIT

mkdir -p studies elsewhere
cp "$here/Jean Dupont.bio" "$here/Marie et Paul.aff" studies/


"$program" &
first=$!
pids=$first
wait_for socket_ready || fail "the first start does not listen for later starts"

# From another folder, with paths relative to it, as a file manager may give them.
(cd elsewhere && timeout 15 "$program" "../studies/Jean Dupont.bio" "../studies/Marie et Paul.aff") ||
    fail "the later start did not hand its studies over and end"
wait_for 'opened "studies/Jean Dupont.bio" && opened "studies/Marie et Paul.aff"' ||
    fail "the running program did not open the studies handed over"
timeout 15 "$program" || fail "a later start without a study did not end"
kill -0 "$first" 2>/dev/null || fail "the running program ended"

# A stopped running program: the later start says so at once, waits, and once the running
# program resumes it is the one that opens the study.
kill -STOP "$first"
timeout 30 "$program" studies/Marie\ et\ Paul.aff 2>later.err &
later=$!
pids="$first $later"
sleep 2
grep -q "ne répond pas" later.err || fail "the waiting later start said nothing within 2 s"
kill -CONT "$first"
code=0
wait "$later" || code=$?
[ $code -eq 0 ] || fail "the later start gave exit $code once the running program resumed"

# A study that the running program cannot open fails the later start, as it would alone, and
# the later start says why. Last: the running program then shows why in a box, which holds
# later starts up until it is closed.
printf 'pas une étude' >studies/abimee.bio
code=0
timeout 15 "$program" studies/abimee.bio 2>later.err || code=$?
[ $code -eq 1 ] || fail "a study the running program could not open gave exit $code"
grep -q "abimee.bio » : Format de fichier inattendu." later.err ||
    fail "the later start did not say why its study did not open: $(cat later.err)"
kill "$first"
wait "$first" 2>/dev/null || :
pids=
wait_for '! socket_ready' || fail "the running program left its socket behind"

# Stopped for longer than the later start waits: the later start opens the study in a window of
# its own (its own settings tell), and the running program, resumed, does not open it too.
rm -f "$settings"
"$program" &
first=$!
pids=$first
wait_for socket_ready || fail "the first start does not listen for later starts"
kill -STOP "$first"
XDG_CONFIG_HOME=$PWD/later-config "$program" "studies/Jean Dupont.bio" 2>later.err &
later=$!
pids="$first $later"
# It waits 10 s for an answer before it starts: two rounds of waiting.
later_opened() { grep -qF "Jean Dupont.bio" later-config/Velmora/Ondaris.conf 2>/dev/null; }
wait_for later_opened || wait_for later_opened ||
    fail "the later start did not open its study after the running program stayed silent"
grep -q "n'a pas répondu" later.err || fail "the later start did not say that it gave up"
kill -CONT "$first"
sleep 2
opened "studies/Jean Dupont.bio" && fail "the resumed program opened the study a second time"
kill -0 "$first" 2>/dev/null || fail "the resumed program ended"
kill "$first" "$later"
wait "$first" "$later" 2>/dev/null || :
pids=

# With no program running, a start with a study opens it and keeps running.
rm -f "$settings"
"$program" "studies/Jean Dupont.bio" &
alone=$!
pids=$alone
wait_for 'opened "studies/Jean Dupont.bio"' || fail "a start alone did not open its study"
kill -0 "$alone" 2>/dev/null || fail "a start alone ended"

# Nothing registered behind the user's back by a program run from the build tree.
for place in "$XDG_DATA_HOME" "$HOME/.local/share"; do
    for part in applications mime icons; do
        [ ! -e "$place/$part" ] || fail "the program wrote $place/$part"
    done
done
exit $status
