#!/usr/bin/env bash
# Installs the Debian packages that are missing: those that building and running the program needs, and
# with --for-tests also those of the tests, the benchmarks and the packaging checks.
# Usage: scripts/install-deps.sh [--for-tests]
set -euo pipefail

# Build and run: compiler, Qt 6 with its SVG module and Russian translation, the Wine fonts.
packages=(cmake g++ make qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev fonts-wine)
# Tests: the source formatter, Qt's private headers (the accessibility tests), GoogleTest, Google Benchmark.
# Packaging checks: desktop entry, metadata and MIME type tools, the DEB and RPM builders and their linters.
# Journeys through the real program: a virtual display, keys and clicks, the clipboard, screen grabs and
# window properties, and AT-SPI's Python bindings for what a screen reader is told.
test_packages=(clang-format qt6-base-private-dev libgtest-dev libgmock-dev libbenchmark-dev
               desktop-file-utils appstream shared-mime-info libglib2.0-bin dpkg-dev file lintian rpm rpmlint
               xvfb xdotool xclip imagemagick x11-utils python3-pyatspi)

case "${1:-}" in
    "") ;;
    --for-tests) packages+=("${test_packages[@]}") ;;
    *)
        echo "usage: $0 [--for-tests]" >&2
        exit 2
        ;;
esac

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
