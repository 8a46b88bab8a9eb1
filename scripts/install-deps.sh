#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need, only those that are missing.
set -euo pipefail

# Build and run: compiler, Qt 6 with its SVG module and Russian translation (and its private headers, which
# the accessibility tests need), GoogleTest, Google Benchmark, the Wine fonts. Packaging checks: desktop
# entry, metadata and MIME type tools, the DEB and RPM builders and their linters. Journeys through the real
# program: a virtual display, keys and clicks, the clipboard, screen grabs and window properties.
packages=(cmake g++ make qt6-base-dev qt6-base-private-dev qt6-svg-dev qt6-translations-l10n libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-wine
          desktop-file-utils appstream shared-mime-info libglib2.0-bin dpkg-dev file lintian rpm rpmlint
          xvfb xdotool xclip imagemagick x11-utils)

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
