#!/usr/bin/env bash
# Installs what is missing, checks the sources' format, builds and runs the whole suite
# headless, then builds and runs it again under AddressSanitizer and UndefinedBehaviorSanitizer.
# Any failure fails the command.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
# The sources keep the project's format; a file out of it fails the command, named.
scripts/format.sh --check
jobs=$(nproc)
# Paths relative to the checkout let every clone share the compiler cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DONDARIS_WERROR=ON \
      -DONDARIS_BENCH=OFF
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DONDARIS_WERROR=ON \
      -DONDARIS_SANITIZE=ON -DONDARIS_BENCH=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
