#!/usr/bin/env bash
# Compares Tarvik's start-up (to its first idle turn, offscreen) with a minimal Qt MDI program:
# median wall time of each over RUNS runs, their ratio, and peak memory.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]   (BUILD_DIR configured with -DTARVIK_BENCH=ON)
set -euo pipefail
build=${1:-build/bench}
runs=${2:-21}
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

measure() { # program -> lines "milliseconds kilobytes"
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$work/t" "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $(cat "$work/t")" | awk '{printf "%.1f %s\n", $1 / 1000, $2}'
  done
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

tarvik=$(measure "$OLDPWD/$build/bench/bench_startup_tarvik")
floor=$(measure "$OLDPWD/$build/bench/bench_startup_floor")
t_time=$(echo "$tarvik" | awk '{print $1}' | median)
f_time=$(echo "$floor" | awk '{print $1}' | median)
t_mem=$(echo "$tarvik" | awk '{print $2}' | sort -n | tail -1)
f_mem=$(echo "$floor" | awk '{print $2}' | sort -n | tail -1)
echo "tarvik: median ${t_time} ms, peak ${t_mem} KiB"
echo "floor:  median ${f_time} ms, peak ${f_mem} KiB"
awk -v t="$t_time" -v f="$f_time" 'BEGIN { if (f > 0) printf "ratio: %.2f\n", t / f }'
