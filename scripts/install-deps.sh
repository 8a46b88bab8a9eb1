#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need, only those that are missing.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-wine
          desktop-file-utils appstream dpkg-dev file xvfb xdotool xclip imagemagick x11-utils)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
