#!/bin/sh
# A study window through the desktop's accessibility bus (AT-SPI), as a screen reader reads it:
# the built program on a private X server and a private session bus, read by
# accessibility_read.py with pyatspi.
# Usage: accessibility_test.sh PROGRAM
set -eu
program=$1
here=$(cd "$(dirname "$0")" && pwd)
. "$here/program.sh"
export LC_ALL=C.UTF-8
xserver=
trap '[ -z "$xserver" ] || kill "$xserver" 2>/dev/null || :' EXIT

cp "$here/Jean Dupont.bio" .
# The study's own days, to read the table against.
"$program" "Jean Dupont.bio" --export days.csv
mkdir -p "$XDG_CONFIG_HOME/Velmora"
printf '[Settings]\nSplash=0\n' >"$XDG_CONFIG_HOME/Velmora/Ondaris.conf"

Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>display 2>/dev/null &
xserver=$!
wait_for '[ -s display ]' || { echo "FAIL: no X server" >&2; exit 1; }
export DISPLAY=:$(cat display) QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Under AddressSanitizer, libxkbcommon-x11 hands strndup a name that a bounded read may end
# without a terminator, which the strict string checks take for an overflow: not ours to mend.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"

# The session bus starts the accessibility bus when the program or the reader asks for it.
status=0
dbus-run-session -- sh -c '
    "$1" "Jean Dupont.bio" &
    program=$!
    status=0
    /usr/bin/python3 "$2" days.csv "Identification : Jean Dupont (Samedi 17/05/1980)" || status=$?
    kill "$program"
    exit $status' sh "$program" "$here/accessibility_read.py" >bus.log 2>&1 || status=$?
# The buses' own chatter left out.
grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' \
    -e 'SpiRegistry daemon' bus.log >&2 || :
exit $status
