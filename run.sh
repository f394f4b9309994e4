#!/usr/bin/env bash
# Installs what is missing, builds Ondaris and starts it. Arguments go to the program, and file
# names among them are taken from the folder run.sh was started in.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

"$here/scripts/install-deps.sh" >&2
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DONDARIS_TESTS=OFF \
      -DONDARIS_BENCH=OFF >/dev/null
# The build speaks on standard error, so that the program's own output (--version, --info) stays apart.
cmake --build "$here/build" --target ondaris >&2
# The program sits beside its modules' folder in the build tree, as it does once installed.
# Where X11 or Wayland is the platform, the program itself refuses to start without a display.
exec "$here/build/bin/ondaris" "$@"
