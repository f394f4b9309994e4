# Helpers of the tests that start the built program; sourced, not run, before the test's own
# checks.

# A failed check is said at once and fails the test at its end. What the program wrote to $log,
# when the test keeps one, and the windows shown tell a fault from a race.
status=0
fail() {
    echo "FAIL: $*" >&2
    [ -z "${log:-}" ] || [ ! -s "$log" ] || sed 's/^/    program: /' "$log" >&2
    if [ -n "${DISPLAY:-}" ] && command -v xdotool >/dev/null; then
        for window in $(xdotool search --onlyvisible --name . 2>/dev/null || :); do
            echo "    window: $(xdotool getwindowname "$window" 2>/dev/null || :)" >&2
        done
    fi
    status=1
}

# The program's settings; a study once opened is among their recent files.
settings=$XDG_CONFIG_HOME/Velmora/Ondaris.conf
opened() { grep -qF "$1" "$settings" 2>/dev/null; }

# Waits up to 15 s for a condition.
wait_for() {
    tries=0
    until eval "$1"; do
        tries=$((tries + 1))
        [ $tries -lt 150 ] || return 1
        sleep 0.1
    done
}

# The program listens for later starts: it is past the start of its own.
socket_ready() { ls "$XDG_RUNTIME_DIR" | grep -q '^ondaris-'; }

# The visible windows titled as asked (a box of the program is titled "Ondaris"), on the display
# of xdotool.
shown() { xdotool search --onlyvisible --name "$1" 2>/dev/null || :; }
# How many windows of the program $pid show: a menu that opens is one more.
program_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
# Chooses an item of a window's menu with the keyboard: the item's key waits for the menu, or it
# would reach the window under it.
choose() {
    before=$(program_windows)
    xdotool windowfocus --sync "$1" key "$2"
    wait_for '[ "$(program_windows)" -gt "$before" ]' || return 1
    xdotool key "$3"
}
