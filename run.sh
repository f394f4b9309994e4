#!/usr/bin/env bash
# Installs what is missing, builds Ondaris and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DONDARIS_TESTS=OFF \
      -DONDARIS_BENCH=OFF >/dev/null
cmake --build build --target ondaris
# Where X11 or Wayland is the platform, the program itself refuses to start without a display.
exec build/ondaris "$@"
