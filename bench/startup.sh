#!/usr/bin/env bash
# Compares Tarvik's start-up (to its first idle turn, offscreen) with a minimal Qt MDI program:
# median wall time of each over RUNS runs, their ratio, and peak memory.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]   (BUILD_DIR configured with -DTARVIK_BENCH=ON)
set -euo pipefail
fail() { echo "startup.sh: $*" >&2; exit 1; }

# The build folder is resolved before the runs move into a scratch folder.
build=$(realpath -m "${1:-build/bench}")
runs=${2:-21}
[[ $runs =~ ^[1-9][0-9]*$ ]] || fail "RUNS must be a positive whole number, not '$runs'"
[ -x /usr/bin/time ] || fail "/usr/bin/time is missing (Debian package: time)"
for program in bench_startup_tarvik bench_startup_floor; do
  [ -x "$build/bench/$program" ] ||
    fail "$build/bench/$program not found: configure $build with -DTARVIK_BENCH=ON and build it"
done

export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Writes one line "milliseconds kilobytes" per run; stops at the first run that fails, since
# the time of a failed run measures nothing.
measure() {
  local program=$1 start end peak
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    if ! /usr/bin/time -f "%M" -o "$work/time" "$program" >"$work/output" 2>&1; then
      tail -n 20 "$work/output" "$work/time" >&2
      fail "$program failed (its output and /usr/bin/time's report above)"
    fi
    end=$(date +%s%N)
    peak=$(cat "$work/time")
    [[ $peak =~ ^[0-9]+$ ]] || fail "$program: peak memory is not a number: $peak"
    echo "$(( (end - start) / 1000 )) $peak" | awk '{printf "%.1f %s\n", $1 / 1000, $2}'
  done
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

measure "$build/bench/bench_startup_tarvik" >"$work/tarvik"
measure "$build/bench/bench_startup_floor" >"$work/floor"
t_time=$(awk '{print $1}' "$work/tarvik" | median)
f_time=$(awk '{print $1}' "$work/floor" | median)
t_mem=$(awk '{print $2}' "$work/tarvik" | sort -n | tail -1)
f_mem=$(awk '{print $2}' "$work/floor" | sort -n | tail -1)
echo "tarvik: median ${t_time} ms, peak ${t_mem} KiB"
echo "floor:  median ${f_time} ms, peak ${f_mem} KiB"
awk -v t="$t_time" -v f="$f_time" 'BEGIN { if (f > 0) printf "ratio: %.2f\n", t / f }'
