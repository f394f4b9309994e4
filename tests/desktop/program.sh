# Helpers of the tests that start the built program; sourced, not run.

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
