#!/usr/bin/env bash
# Times "ondaris --export" of each example study to PDF against the baseline program (a one-page
# PDF with the same two fonts and a few lines of text), the two run alternately, and prints the
# medians and their ratio. Usage: scripts/bench-export.sh [build directory] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
runs=${2:-21}

if [ ! -d "$build" ]; then
  scripts/install-deps.sh
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DONDARIS_TESTS=OFF \
        -DONDARIS_BENCH=ON >/dev/null
fi
cmake --build "$build" --target ondaris export_bench -j "$(nproc)" >/dev/null
program="$PWD/$build/src/app/ondaris"
baseline="$PWD/$build/bench/export_bench"

out=$(mktemp -d "${TMPDIR:-/tmp}/ondaris-bench.XXXXXX")
trap 'rm -rf "$out"' EXIT

# Milliseconds that one run of the command takes, in a fresh temporary home.
elapsed() {
  local start end
  start=$(date +%s%N)
  tests/isolated.sh "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-22s %14s %14s %8s\n' "étude" "export (µs)" "base (µs)" "rapport"
for study in examples/exemple.bio examples/exemple.bi2 examples/exemple.aff; do
  : >"$out/export" && : >"$out/base"
  for _ in $(seq "$runs"); do
    elapsed "$program" --export "$out/page.pdf" "$PWD/$study" >>"$out/export"
    elapsed "$baseline" --write-baseline "$out/base.pdf" >>"$out/base"
  done
  e=$(median <"$out/export")
  b=$(median <"$out/base")
  printf '%-22s %14s %14s %8s\n' "$(basename "$study")" "$e" "$b" \
    "$(awk -v e="$e" -v b="$b" 'BEGIN { printf "%.2f", e / b }')"
done
