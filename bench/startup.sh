#!/usr/bin/env bash
# Start-up of the program against the floor of the toolkit: the bare Qt window. Builds both (Release), starts
# them alternately on a private virtual display, and prints the median time from exec to the first mapped
# window, the median resident memory a moment after it, and the ratios.
#
#   bench/startup.sh [RUNS]        (default 15 runs of each)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-15}"
cd "$here"
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target trimerka bench_bare_window bench_map_timer >/dev/null
build="$here/build/default"

work="$(mktemp -d)"
trap 'kill "${xvfb_pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    DISPLAY="$display" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
export DISPLAY="$display" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# One warm-up run of each fills the page cache, so the first measured run is not an outlier.
"$build/bench_map_timer" "$build/trimerka" >/dev/null
"$build/bench_map_timer" "$build/bench_bare_window" >/dev/null
for i in $(seq "$runs"); do
    "$build/bench_map_timer" "$build/trimerka" >>"$work/program"
    "$build/bench_map_timer" "$build/bench_bare_window" >>"$work/bare"
done

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }
program_ms=$(cut -d' ' -f1 "$work/program" | median)
bare_ms=$(cut -d' ' -f1 "$work/bare" | median)
program_kb=$(cut -d' ' -f2 "$work/program" | median)
bare_kb=$(cut -d' ' -f2 "$work/bare" | median)
awk -v pm="$program_ms" -v bm="$bare_ms" -v pk="$program_kb" -v bk="$bare_kb" 'BEGIN {
    printf "%-16s %10s %13s\n", "", "start, ms", "resident, MB"
    printf "%-16s %10.1f %13.1f\n", "trimerka", pm, pk / 1024
    printf "%-16s %10.1f %13.1f\n", "bare Qt window", bm, bk / 1024
    printf "%-16s %10.2f %13.2f\n", "ratio", pm / bm, pk / bk
}'
