#!/usr/bin/env bash
# Installs what is missing, checks that the sources keep the house format, builds everything and runs the
# whole test suite: first the Release build, then the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/install-deps.sh" --for-tests
cd "$here"
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
echo "=== format"
find core platform widgets ui tools tests bench fuzz main.cpp \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run --Werror
for preset in default asan; do
    echo "=== ${preset}"
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j"$jobs"
    ctest --preset "$preset" -j"$jobs"
done
