#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running and testing Kesparo needs on Debian 12, and nothing when it is
# all there already. Run as root (or with sudo available).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-private-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  liblunar-date-dev libglib2.0-dev
  fonts-arphic-uming
  xvfb xauth imagemagick faketime
  openbox xdotool wmctrl x11-utils dbus-daemon at-spi2-core python3-pyatspi
  desktop-file-utils appstream groff-base file dpkg-dev lintian
  python3-icalendar
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
