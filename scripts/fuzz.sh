#!/usr/bin/env bash
# Builds one libFuzzer target with clang (build-fuzz), runs it seeded with the corpus kept in the
# repository (fuzz/corpus/TARGET), then merges what it found back into that corpus, minimized.
# Usage: scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
#   SECONDS 0 runs without a time limit: give -runs=N then (scripts/fuzz.sh archive_fuzz 0 -runs=3000000).
# New inputs grow in fuzz-corpus/TARGET (not kept); inputs that crash land in
# fuzz-corpus/findings/TARGET. Files of the kept corpus with a name of our own (seeds, fixed
# findings) stay as they are; those named by libFuzzer (40 hex digits) are replaced by the merge.
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

fuzzer="build-fuzz/fuzz/$target"
kept="fuzz/corpus/$target"
corpus="fuzz-corpus/$target"
findings="fuzz-corpus/findings/$target"
mkdir -p "$kept" "$corpus" "$findings"
log=$(mktemp)
merged=$(mktemp -d)
trap 'rm -rf "$log" "$merged"' EXIT

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
"$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$findings/" "$@" "$corpus" "$kept" 2>"$log" || status=$?

grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY)' "$log" || true
echo "Executions: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"

# The named files are merged first so that the merge only adds what they do not cover.
named_by_libfuzzer() { basename "$1" | grep -Eq '^[0-9a-f]{40}$'; }
for file in "$kept"/*; do
  if [ -f "$file" ] && ! named_by_libfuzzer "$file"; then cp "$file" "$merged/"; fi
done
"$fuzzer" -merge=1 "$merged" "$kept" "$corpus" >/dev/null 2>&1
for file in "$kept"/*; do
  if named_by_libfuzzer "$file"; then rm "$file"; fi
done
for file in "$merged"/*; do
  if named_by_libfuzzer "$file"; then cp "$file" "$kept/"; fi
done
echo "Corpus: $(find "$kept" -type f | wc -l) inputs, $(cat "$kept"/* | wc -c) bytes in $kept"

found=$(find "$findings" -type f | wc -l)
echo "Findings: $found in $findings"
if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
  tail -40 "$log"
  exit 1
fi
