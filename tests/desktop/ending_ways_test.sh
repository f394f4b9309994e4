#!/bin/sh
# However the program ends, a changed study's work is kept: with the built program on a private
# Xvfb, the start date is changed through the menu, then the program is ended by a closed
# terminal (SIGHUP), by its display going away, or by kill -9 once the copy that follows a
# change has been written. Each end must leave a recovery copy holding the change, and the names
# list when the program had a moment to write it.
# Usage: ending_ways_test.sh PROGRAM
set -eu
# The keys that change the start date act on the day, first in the day-first dates of this
# locale whatever the machine's language.
export LC_ALL=C.UTF-8
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/program.sh"
log=$PWD/program.log
pid=
xvfb=
trap '[ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || :; [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || :' EXIT

recovery=$XDG_DATA_HOME/ondaris/recovery
mkdir -p "$XDG_CONFIG_HOME/Velmora" studies
cp "$here/Jean Dupont.bio" studies/
study=$PWD/studies/Jean\ Dupont.bio

start_display() {
    rm -f display
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>display >/dev/null 2>&1 </dev/null &
    xvfb=$!
    wait_for '[ -s display ]' || { echo "FAIL: Xvfb did not start" >&2; exit 1; }
    DISPLAY=:$(cat display)
    export DISPLAY
}
ended() {
    state=$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | cut -c1)
    [ -z "$state" ] || [ "$state" = Z ]
}
copies() { ls "$recovery"/*/*.bio 2>/dev/null || :; }

# The start date one day on, through Modifier > Date de départ...: each key waits for what it
# opens, so that none reaches a window not yet there.
change_start_date() {
    window=
    wait_for '[ -n "$(shown "Jean Dupont")" ]' && window=$(shown "Jean Dupont" | head -n 1)
    [ -n "$window" ] || { fail "$1: the study's window did not show"; return 1; }
    choose "$window" alt+m d || { fail "$1: the Modifier menu did not open"; return 1; }
    wait_for '[ -n "$(shown "^Edition ")" ]' || { fail "$1: the start date dialog did not open"; return 1; }
    xdotool windowfocus --sync "$(shown "^Edition " | head -n 1)" key Up Return
    wait_for '[ -z "$(shown "^Edition ")" ]' || { fail "$1: the start date dialog did not close"; return 1; }
}

for way in HUP display KILL; do
    rm -rf "$recovery" Ondaris.dat
    : >"$log"
    printf '[Settings]\nSplash=0\n' >"$XDG_CONFIG_HOME/Velmora/Ondaris.conf"
    start_display
    # Under AddressSanitizer, libxkbcommon-x11 hands strndup a name that a bounded read may end
    # without a terminator, which the strict string checks take for an overflow: not ours to mend.
    QT_QPA_PLATFORM=xcb ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0" \
        "$program" "$study" 2>"$log" &
    pid=$!
    if change_start_date "$way"; then
        case $way in
        HUP) kill -HUP "$pid" ;;
        display) kill "$xvfb" ;;
        KILL)
            wait_for '[ -n "$(copies)" ]' || fail "KILL: no copy was written after the change"
            kill -KILL "$pid"
            ;;
        esac
        wait_for ended || fail "$way did not end the program"
        copy=$(copies)
        if [ "$(echo "$copy" | grep -c .)" -ne 1 ]; then
            fail "$way: one recovery copy expected, found: $copy"
        elif cmp -s "$copy" "$study"; then
            fail "$way: the copy does not hold the change"
        fi
        case $way in
        KILL) [ ! -e Ondaris.dat ] || fail "KILL: a names list was written" ;;
        *) grep -qF 'Jean Dupont' Ondaris.dat 2>/dev/null || fail "$way: the names list was not written" ;;
        esac
    fi
    kill -KILL "$pid" 2>/dev/null || :
    wait "$pid" 2>/dev/null || :
    pid=
    kill "$xvfb" 2>/dev/null || :
    wait "$xvfb" 2>/dev/null || :
    xvfb=
done
exit $status
