#!/usr/bin/env bash
# Builds the Debian package of Ondaris (optimised, stripped) with CPack and prints its path.
# Usage: scripts/package.sh [BUILD_DIR]   (default: build-package)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=${1:-build-package}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DONDARIS_TESTS=OFF \
      -DONDARIS_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/ondaris_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$PWD/$build"/ondaris_*.deb
