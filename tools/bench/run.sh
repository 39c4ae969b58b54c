#!/usr/bin/env bash
# Measures Tastora beside a bare Qt window with a menu and a text edit and prints a table:
# start to the mapped window (median of 20), resident memory 3 s after start, shared
# libraries loaded, the engine's cost of a keystroke, and the whole process's CPU per key
# while xdotool types. With BASELINE=PROGRAM (an earlier build of tastora) a third column
# measures that program in the same run, so that a change is judged on one machine's load.
# Needs Xvfb, xdotool and setxkbmap (tools/install-deps.sh --test), Google Benchmark and the
# X11 headers (Debian: libbenchmark-dev, libx11-dev).
# Usage: tools/bench/run.sh [BUILD-DIR]
set -euo pipefail
root=$(realpath "$(dirname "$0")/../..")
build=$(realpath "${1:-$root/build}")
cmake --build "$build" -j2 --target tastora bare_window map_time engine_bench >/dev/null
tastora=$build/tastora
bare=$build/tools/bench/bare_window
map_time=$build/tools/bench/map_time

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work"
setxkbmap de

median_start() {   # median_start PROGRAM: ms from start to the mapped window, 20 runs
    for _ in $(seq 20); do timeout 20 "$map_time" "$1"; sleep 0.2; done | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'
}
memory_and_libraries() {   # memory_and_libraries PROGRAM [ARGS]: "RSS-MB LIBRARIES" 3 s after start
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    local rss libs
    rss=$(awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$pid/status")
    libs=$(grep -o '/[^ ]*\.so[^ ]*' "/proc/$pid/maps" | sort -u | wc -l)
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$rss $libs"
}
cpu_per_key() {   # cpu_per_key PROGRAM [ARGS]: the process's CPU per key while xdotool types 200 characters
    "$@" >/dev/null 2>&1 &
    local pid=$! w
    w=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -1)
    xdotool windowfocus --sync "$w"; xdotool key Down; sleep 0.5
    local before after
    before=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    xdotool type --delay 15 "$(printf 'fff jjj fjf jfj %.0s' $(seq 13) | head -c 200)"
    sleep 0.5
    after=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$(( (after - before) * 10 )) / 200" | bc -l | awk '{printf "%.2f", $1}'
}

# An exercise page of lesson 1, left hand, so that every typed key is checked.
python3 -c 'import struct,sys; open(sys.argv[1],"wb").write(struct.pack("<6h4i",0,5,1000,20,0,0,5,5,705,505))' "$work/k.klv"
programs=("$bare" "$tastora")
headers=("bare Qt" "Tastora")
if [[ -n "${BASELINE:-}" ]]; then programs+=("$(realpath "$BASELINE")"); headers+=("baseline"); fi

start=() rss=() libs=() per_key=()
for program in "${programs[@]}"; do
    start+=("$(median_start "$program")")
    read -r r l <<<"$(memory_and_libraries "$program")"
    rss+=("$r") libs+=("$l")
    if [[ "$program" == "$bare" ]]; then per_key+=("$(cpu_per_key "$program")")
    else per_key+=("$(cpu_per_key "$program" "$work/k.klv")"); fi
done
engine_ns=$("$build/tools/bench/engine_bench" --benchmark_min_time=1 2>/dev/null | awk '/^Keystroke/ {print $4}')

row() { printf '%-44s' "$1"; shift; printf ' %12s' "$@"; printf '\n'; }
row "" "${headers[@]}"
row "start to the mapped window, median of 20 (ms)" "${start[@]}"
row "resident memory 3 s after start (MB)" "${rss[@]}"
row "shared libraries loaded" "${libs[@]}"
row "whole process CPU per typed key (ms)" "${per_key[@]}"
row "engine: press and release of a key (µs)" "" "$(awk -v n="$engine_ns" 'BEGIN {printf "%.1f", n / 1000}')"
