#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Ondaris need.
# A second run finds everything present and installs nothing.
set -euo pipefail

packages=(
  g++ make cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-svg-dev
  libqt6svg6 qt6-translations-l10n qt6-image-formats-plugins libical-dev
  fonts-liberation2 fontconfig
  xvfb xauth x11-xkb-utils libx11-dev libxkbfile-dev
  clang libclang-rt-14-dev clang-format
  poppler-utils desktop-file-utils shared-mime-info xdg-utils dpkg-dev file
  libfile-mimeinfo-perl libglib2.0-bin
  xdotool imagemagick valgrind
  lintian appstream man-db
  at-spi2-core dbus python3-pyatspi
  khard
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installation des paquets manquants : ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
