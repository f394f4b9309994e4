#!/usr/bin/env bash
# Prints the ratios of Ondaris to bare Qt programs: start-up to the first shown window (no study,
# one study) against an empty main window, beside the same window showing one word (what any
# text costs), and "--export page.pdf" against a program writing a one-page PDF; wall time and peak memory, medians of runs alternated with the baseline, on the
# offscreen platform and on X (a private Xvfb when no display is set); and the files (libraries,
# fonts) that each start maps beyond the bare window's.
# With --instructions, also the instructions each start runs (valgrind), steady where wall time
# on a busy machine is not.  Usage: scripts/bench-startup.sh [--instructions] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Started as on a desktop, with a session bus: one of the bench's own when there is none.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  exec dbus-run-session -- "$0" "$@"
fi
instructions=0
if [ "${1:-}" = "--instructions" ]; then
  instructions=1
  shift
fi
runs=${1:-21}

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DONDARIS_TESTS=OFF \
      -DONDARIS_BENCH=ON >/dev/null
cmake --build build-bench --target startup_bench -j 2 >/dev/null
bench="$PWD/build-bench/bench"

if [ -n "${DISPLAY:-}" ]; then
  "$bench/startup_bench" "$runs"
else
  xvfb-run -a -s "-screen 0 1280x1024x24" "$bench/startup_bench" "$runs"
fi

[ $instructions -eq 1 ] || exit 0
home=$(mktemp -d "${TMPDIR:-/tmp}/ondaris-bench.XXXXXX")
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config/Velmora" "$home/runtime"
chmod 700 "$home/runtime"
printf '[Settings]\nSplash=0\n' >"$home/config/Velmora/Ondaris.conf"
cp examples/exemple.bio "$home/study.bio"

# Instructions of the process itself (not of a helper it may start), under valgrind.
count() {
  (cd "$home" && HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
     QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" \
     2>&1 >/dev/null) |
    awk 'NR == 1 { main = $1 } $1 == main && /Collected/ { print $NF }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

start_base=$(count "$bench/startup_baseline")
text=$(count "$bench/startup_baseline" --text)
no_study=$(count "$bench/startup_bench" --child)
one_study=$(count "$bench/startup_bench" --child "$home/study.bio")
export_base=$(count "$bench/export_baseline" "$home/base.pdf")
exported=$(count "$PWD/build-bench/bin/ondaris" --export "$home/page.pdf" "$home/study.bio")
printf 'RESULT : startup offscreen baseline   %12s instructions\n' "$start_base"
printf 'RESULT : startup offscreen text       %12s instructions (x%s)\n' "$text" \
  "$(ratio "$text" "$start_base")"
printf 'RESULT : startup offscreen no study   %12s instructions (x%s)\n' "$no_study" \
  "$(ratio "$no_study" "$start_base")"
printf 'RESULT : startup offscreen one study  %12s instructions (x%s)\n' "$one_study" \
  "$(ratio "$one_study" "$start_base")"
printf 'RESULT : export  offscreen baseline   %12s instructions\n' "$export_base"
printf 'RESULT : export  offscreen export     %12s instructions (x%s)\n' "$exported" \
  "$(ratio "$exported" "$export_base")"
