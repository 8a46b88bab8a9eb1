#!/usr/bin/env bash
# Builds the task-file fuzz target with clang's libFuzzer and runs it on the seed corpus for a while.
# Usage: scripts/fuzz.sh [seconds]   (default 180)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if ! command -v clang++ >/dev/null; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq clang libclang-rt-dev
fi
cd "$here"
cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"
work="$(mktemp -d)"
cp fuzz/corpus/* "$work/"
./build/fuzz/fuzz_task_file -dict=fuzz/task_file.dict -max_total_time="${1:-180}" "$work"
