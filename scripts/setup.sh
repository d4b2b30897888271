#!/usr/bin/env bash
# Installs what building, running and testing Harbinet need on Debian 12 (only what is missing).
set -euo pipefail

packages=(
  g++ clang clang-format cmake ninja-build pkg-config
  libwxgtk3.2-dev libx11-dev libcanberra-dev libdbusmenu-glib-dev dbus-daemon xdg-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth trayer x11-utils xdotool imagemagick librsvg2-bin
  fonts-dejavu-core fonts-comic-neue
  desktop-file-utils appstream strace
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
