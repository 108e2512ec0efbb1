#!/usr/bin/env bash
# Compares Tarvik's start-up (to its first idle turn, offscreen) with a minimal Qt MDI program
# (bench_startup_floor): wall time over RUNS runs, peak memory, and the instructions each
# executes, counted by callgrind over COUNTS runs; min / median / max and the ratio of medians.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS] [COUNTS]   (BUILD_DIR configured with -DTARVIK_BENCH=ON)
set -euo pipefail
fail() { echo "startup.sh: $*" >&2; exit 1; }
here=$(dirname "$(realpath "$0")")
source "$here/figures.sh"

# The build folder is resolved before the runs move into a scratch folder.
build=$(realpath -m "${1:-build/bench}")
runs=${2:-21}
counts=${3:-3}
require_whole_numbers "$runs" "$counts"
"$here/../scripts/deps" time valgrind
require_programs "$build" bench_startup_tarvik bench_startup_floor

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

# Writes the instructions of each of COUNTS runs, one a line.
count() {
  local program=$1 total
  for _ in $(seq "$counts"); do
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" >"$work/output" 2>&1 ||
      { tail -n 20 "$work/output" >&2; fail "$program failed under callgrind (its output above)"; }
    total=$(sed -n 's/.*Collected : \([0-9]*\).*/\1/p' "$work/output")
    [[ $total =~ ^[0-9]+$ ]] || fail "$program: callgrind gave no instruction count"
    echo "$total"
  done
}

for who in tarvik floor; do
  measure "$build/bench/bench_startup_$who" >"$work/$who.runs"
  count "$build/bench/bench_startup_$who" >"$work/$who.counts"
done

echo "start-up to the first idle turn, offscreen, min / median / max"
for who in tarvik floor; do
  printf "%-7s wall %s ms over %d runs, peak %s KiB; instructions %s M over %d runs\n" "$who:" \
    "$(awk '{print $1}' "$work/$who.runs" | spread %.1f)" "$runs" \
    "$(awk '{print $2}' "$work/$who.runs" | sort -n | tail -1)" \
    "$(awk '{print $1 / 1e6}' "$work/$who.counts" | spread %.2f)" "$counts"
done
awk -v t="$(awk '{print $1}' "$work/tarvik.runs" | median)" -v f="$(awk '{print $1}' "$work/floor.runs" | median)" \
  -v ti="$(median <"$work/tarvik.counts")" -v fi="$(median <"$work/floor.counts")" \
  'BEGIN { if (f > 0 && fi > 0) printf "ratio of medians: wall %.2f, instructions %.3f (goal: at most 1.05)\n", t / f, ti / fi }'
