#!/usr/bin/env bash
# Start-up of the program against the floor of the toolkit: the bare Qt window. Builds both (Release), starts
# them in turn on a private virtual display, and prints the median time from exec to the first mapped window
# (with its quartiles), the processor time used by then, the resident memory a moment after it, and their
# ratios to the bare window's.
#
#   bench/startup.sh [RUNS] [EARLIER_TRIMERKA]
#
# RUNS (default 15) runs of each. EARLIER_TRIMERKA, another build of the program, is measured in the same
# rounds, for a before/after comparison. Every round starts with the next program in turn, so that none
# always runs first after a pause or right after another. The machine's load average is printed with the
# figures: on a busy machine the elapsed times grow and scatter, and only their ratios within one run compare;
# the processor times suffer less.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${1:-15}"
earlier="${2:-}"
cd "$here"
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target trimerka bench_bare_window bench_map_timer >/dev/null
build="$here/build/default"

names=(trimerka)
programs=("$build/trimerka")
if [ -n "$earlier" ]; then
    names+=("earlier trimerka")
    programs+=("$(realpath "$earlier")")
fi
names+=("bare Qt window")
programs+=("$build/bench_bare_window")
count=${#programs[@]}

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

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
# One warm-up run of each fills the page cache, so the first measured run is not an outlier.
for p in "${programs[@]}"; do
    "$build/bench_map_timer" "$p" >/dev/null
done
for round in $(seq 0 $((runs - 1))); do
    for k in $(seq 0 $((count - 1))); do
        i=$(((round + k) % count))
        "$build/bench_map_timer" "${programs[$i]}" >>"$work/$i"
    done
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# The median and the quartiles of a column of numbers.
quartiles() {
    sort -n | awk '{a[NR] = $1}
        function at(q,   r, lo) { r = 1 + q * (NR - 1); lo = int(r); return a[lo] + (r - lo) * (a[lo + 1] - a[lo]) }
        END { a[NR + 1] = a[NR]; printf "%.2f %.2f %.2f\n", at(0.5), at(0.25), at(0.75) }'
}
bare=$((count - 1))
read -r bare_ms _ _ < <(cut -d' ' -f1 "$work/$bare" | quartiles)
read -r bare_kb _ _ < <(cut -d' ' -f2 "$work/$bare" | quartiles)
read -r bare_cpu _ _ < <(cut -d' ' -f3 "$work/$bare" | quartiles)
printf "%-18s %9s %13s %6s %9s %6s %13s %6s\n" "" "start, ms" "(quartiles)" "ratio" "cpu, ms" "ratio" \
    "resident, MB" "ratio"
for i in $(seq 0 $((count - 1))); do
    read -r ms ms_low ms_high < <(cut -d' ' -f1 "$work/$i" | quartiles)
    read -r kb _ _ < <(cut -d' ' -f2 "$work/$i" | quartiles)
    read -r cpu _ _ < <(cut -d' ' -f3 "$work/$i" | quartiles)
    awk -v name="${names[$i]}" -v ms="$ms" -v lo="$ms_low" -v hi="$ms_high" -v kb="$kb" -v cpu="$cpu" \
        -v bms="$bare_ms" -v bkb="$bare_kb" -v bcpu="$bare_cpu" 'BEGIN {
        printf "%-18s %9.1f %13s %6.2f %9.1f %6.2f %13.1f %6.2f\n", name, ms, sprintf("%.1f-%.1f", lo, hi),
               ms / bms, cpu, cpu / bcpu, kb / 1024, kb / bkb }'
done
echo "load average: $load_before before, $load_after after; $runs runs of each"
