#!/bin/sh
# Runs one test program in a fresh temporary home: its own settings, data directory and
# runtime directory, so that no test ever touches the user's real files or another test's.
tmp=$(mktemp -d "${TMPDIR:-/tmp}/ondaris-test.XXXXXX") || exit 1
trap 'rm -rf "$tmp"' EXIT INT TERM
mkdir -p "$tmp/home" "$tmp/config" "$tmp/data" "$tmp/cache" "$tmp/runtime" "$tmp/work"
chmod 700 "$tmp/runtime"
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" \
       XDG_CACHE_HOME="$tmp/cache" XDG_RUNTIME_DIR="$tmp/runtime" \
       QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
# Nor the user's session bus: a test that needs one starts its own (dbus-run-session).
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
cd "$tmp/work" || exit 1
"$@"
