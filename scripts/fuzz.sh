#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (the "fuzz" preset builds the target "fuzzers": each fuzz
# target and the libraries it links, no tests and no program) and runs each target for a while.
# Usage: scripts/fuzz.sh [seconds per target]   (default 180)
# Seeds of fuzz_NAME: the files in fuzz/corpus/NAME/ when that folder exists, otherwise those directly in
# fuzz/corpus/; its dictionary: fuzz/NAME.dict when present. Findings are left in a fresh folder, named at
# the end.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-180}"
"$here/scripts/install-deps.sh"
if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-dev 2>/dev/null |
    grep -q "install ok installed"; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang libclang-rt-dev
fi
cd "$here"
cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"
work="$(mktemp -d)"
status=0
for program in build/fuzz/fuzz_*; do
    [ -x "$program" ] || continue
    name="$(basename "$program")"
    name="${name#fuzz_}"
    corpus="$work/$name"
    mkdir -p "$corpus"
    if [ -d "fuzz/corpus/$name" ]; then
        find "fuzz/corpus/$name" -maxdepth 1 -type f -exec cp {} "$corpus/" \;
    elif [ -d fuzz/corpus ]; then
        find fuzz/corpus -maxdepth 1 -type f -exec cp {} "$corpus/" \;
    fi
    options=(-max_total_time="$seconds" -artifact_prefix="$work/$name-")
    [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
    echo "=== $name for $seconds s"
    "$program" "${options[@]}" "$corpus" || status=$?
done
echo "Corpora and findings: $work"
exit "$status"
