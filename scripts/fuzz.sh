#!/usr/bin/env bash
# Builds one libFuzzer target with clang (build-fuzz) and runs it for a number of seconds.
# Usage: scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
# The corpus grows in fuzz-corpus/TARGET; inputs that crash land in fuzz-corpus/findings/TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 2 ]; then
  echo "Usage: $0 TARGET SECONDS [libFuzzer options...]" >&2
  echo "Targets: $(cd fuzz && ls -- *_fuzz.cpp 2>/dev/null | sed 's/\.cpp$//' | tr '\n' ' ')" >&2
  exit 2
fi
target=$1
seconds=$2
shift 2
if [ ! -f "fuzz/$target.cpp" ]; then
  echo "No fuzz target fuzz/$target.cpp" >&2
  exit 2
fi

scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DONDARIS_FUZZ=ON -DONDARIS_TESTS=OFF -DONDARIS_BENCH=OFF >/dev/null
cmake --build build-fuzz --target "$target" -j "$(nproc)"

corpus="fuzz-corpus/$target"
findings="fuzz-corpus/findings/$target"
mkdir -p "$corpus" "$findings"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
"build-fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$findings/" "$@" "$corpus" 2>"$log" || status=$?

grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY)' "$log" || true
echo "Executions: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
echo "Corpus: $(find "$corpus" -type f | wc -l) inputs in $corpus"
found=$(find "$findings" -type f | wc -l)
echo "Findings: $found in $findings"
if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
  tail -40 "$log"
  exit 1
fi
