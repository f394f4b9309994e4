#!/usr/bin/env bash
# Installs what is missing, builds Ondaris and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DONDARIS_TESTS=OFF \
      -DONDARIS_BENCH=OFF >/dev/null
cmake --build build --target ondaris

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Ondaris a besoin d'un affichage graphique : aucun écran n'est disponible (DISPLAY et WAYLAND_DISPLAY sont vides)." >&2
  exit 1
fi
exec build/ondaris "$@"
