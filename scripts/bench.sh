#!/usr/bin/env bash
# Builds the benchmarks in an optimised build of their own (build-bench) and runs every
# bench/*_bench program in a fresh temporary home, printing its figures.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DONDARIS_TESTS=OFF \
      -DONDARIS_BENCH=ON >/dev/null

benches=()
for src in bench/*_bench.cpp; do
  benches+=("$(basename "$src" .cpp)")
done
if [ ${#benches[@]} -eq 0 ]; then
  echo "No benchmark in bench/."
  exit 0
fi
cmake --build build-bench --target "${benches[@]}" -j "$(nproc)"

status=0
for bench in "${benches[@]}"; do
  echo "== $bench"
  tests/isolated.sh "$PWD/build-bench/bench/$bench" "$@" | grep -E '^(RESULT|FAIL|     )' || status=1
done
exit $status
