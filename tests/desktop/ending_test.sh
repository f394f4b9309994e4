#!/bin/sh
# Ends that the user does not choose in the menus, with the built program: a lock left beside
# the settings by a program killed while it wrote them does not stall the next start, and
# SIGTERM or SIGINT end the program as "Quitter" does, without a question, a message box open
# or not. Two programs ending one after the other both keep their persons in the names list.
# Usage: ending_test.sh PROGRAM
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/program.sh"
pid=
pid1=
pid2=
trap 'for p in $pid $pid1 $pid2; do kill -KILL "$p" 2>/dev/null || :; done' EXIT

recovery=$XDG_DATA_HOME/ondaris/recovery
study=$PWD/studies/Jean\ Dupont.bio
mkdir -p "$XDG_CONFIG_HOME/Velmora" studies
cp "$here/Jean Dupont.bio" studies/

# Starts the program in the background with Ctrl+C acting on it, as in a terminal.
start() {
    env --default-signal=INT "$program" "$@" &
    pid=$!
}
ended() {
    state=$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | cut -c1)
    [ -z "$state" ] || [ "$state" = Z ]
}
# Sends the signal and gives the program 15 s to end; then its exit status is in $code.
end_with() {
    kill -s "$1" "$pid"
    wait_for ended || fail "SIG$1 did not end the program ($2)"
    kill -KILL "$pid" 2>/dev/null || :
    code=0
    wait "$pid" || code=$?
    pid=
}

# An empty lock, as a kill while the settings were written leaves it; the first start writes
# "Splash" once its splash screen has gone.
: >"$settings.lock"
start
wait_for 'grep -q "^Splash=0" "$settings" 2>/dev/null' ||
    fail "a lock left by a killed program stalls the start"
end_with TERM "after a stale lock"

# The end of "Quitter": the window's place and the names list are written, whole.
for signal in TERM INT; do
    printf '[Settings]\nSplash=0\nSauvPosi=1\n' >"$settings"
    rm -f Ondaris.dat
    start "$study"
    wait_for 'grep -qF "studies/Jean Dupont.bio" "$settings"' || fail "the study did not open"
    end_with "$signal" "a study open"
    [ "$code" -eq 0 ] || fail "SIG$signal ended the program with status $code"
    grep -q '^PosW=' "$settings" || fail "SIG$signal: the window's place was not stored"
    grep -qF 'Jean Dupont' Ondaris.dat 2>/dev/null || fail "SIG$signal: the names list was not written"
    [ ! -e "$settings.lock" ] || fail "SIG$signal left the settings locked"
done

# A names list that cannot be written: its message must not hold the end, nobody may answer it;
# the terminal is told where and why, and the status says the failure.
printf '[General]\nDefault=%s/absent\n[Settings]\nSplash=0\n' "$PWD" >"$settings"
start "$study" 2>err
wait_for 'grep -qF "studies/Jean Dupont.bio" "$settings"' || fail "the study did not open"
end_with TERM "the names list not writable"
[ "$code" -eq 1 ] || fail "a names list not written ended the program with status $code"
grep -qF "« $PWD/absent/Ondaris.dat » : " err ||
    fail "a names list not written was not told where and why: $(cat err)"
rm -f "$settings"

# Two programs, each with a runtime folder of its own so that neither hands over to the other,
# each registering the persons of its study: whichever ends first, the list keeps them all.
cp "$here/Marie et Paul.aff" studies/
mkdir -m 700 -p run-1 run-2
for order in "1 2" "2 1"; do
    printf '[Settings]\nSplash=0\n' >"$settings"
    rm -f Ondaris.dat
    XDG_RUNTIME_DIR=$PWD/run-1 start "$study"
    pid1=$pid
    wait_for 'grep -qF "studies/Jean Dupont.bio" "$settings"' || fail "the first study did not open"
    XDG_RUNTIME_DIR=$PWD/run-2 start "$PWD/studies/Marie et Paul.aff"
    pid2=$pid
    wait_for 'grep -qF "studies/Marie et Paul.aff" "$settings"' ||
        fail "the second study did not open in a program of its own"
    for which in $order; do
        eval pid=\$pid$which
        end_with TERM "program $which of two"
        [ "$code" -eq 0 ] || fail "program $which of two ended with status $code"
    done
    for person in "Jean Dupont" Marie Paul; do
        grep -qxF "$person$(printf '\r')" Ondaris.dat ||
            fail "programs ended in the order $order: $person is not in the names list"
    done
    pid1= pid2=
done

# A signal while the start offers the copies of a former end: the box goes, the copies wait.
mkdir -p "$recovery"
cp "$study" "$recovery/1.bio"
printf '[{"copy": "1.bio", "file": "%s", "title": "Jean Dupont.bio"}]\n' "$study" \
    >"$recovery/index.json"
start
wait_for socket_ready || fail "the program did not start"
sleep 1
end_with TERM "the recovery offer open"
[ "$code" -eq 0 ] || fail "SIGTERM ended the program with status $code"
[ -e "$recovery/index.json" ] && [ -e "$recovery/1.bio" ] ||
    fail "copies that the user did not answer for were dropped"
exit $status
