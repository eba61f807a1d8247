#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, running, testing and packaging need on Debian 12 (uses sudo when not root).
set -euo pipefail
packages=(cmake ninja-build g++ clang libclang-rt-14-dev
          qt6-base-dev qt6-base-private-dev qt6-serialport-dev qt6-svg-dev libqcustomplot-dev libgl-dev
          libmosquitto-dev mosquitto mosquitto-clients
          qt6-qpa-plugins qt6-wayland fonts-dejavu-core weston xwayland x11-utils
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n python3
          desktop-file-utils appstream groff-base dpkg-dev file xvfb
          dbus at-spi2-core python3-pyatspi
          openbox xdotool
          lintian fakeroot systemd)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
