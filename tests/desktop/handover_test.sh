#!/bin/sh
# Starts of the built program as the desktop makes them: a later start hands its studies to the
# program already running and ends; with no program running, a start keeps its window.
# Usage: handover_test.sh PROGRAM
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)
status=0
fail() { echo "FAIL: $*" >&2; status=1; }
pids=
trap 'for pid in $pids; do kill "$pid" 2>/dev/null || :; done' EXIT

settings=$XDG_CONFIG_HOME/Velmora/Ondaris.conf
mkdir -p studies elsewhere
cp "$here/Jean Dupont.bio" "$here/Marie et Paul.aff" studies/

. "$here/program.sh"
opened() { grep -qF "$1" "$settings" 2>/dev/null; }

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
kill "$first"
wait "$first" 2>/dev/null || :
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
