#!/usr/bin/env bash
# What the program costs a computer with a display, beside the least Qt multiple-document program
# (bench_startup_floor): both at rest after start-up on the X display; then Tarvik with the servo
# test panel in a cyclic run (bench_panel_run) beside the floor showing a number that changes as
# often as the panel's position readout, on the X display and offscreen. Over RUNS runs of
# SECONDS each: CPU (% of a core) and wake-ups (voluntary context switches of all the process's
# threads), min / median / max. Without a display, the runs go to a virtual X server (xvfb-run).
# Usage: bench/on_display.sh [BUILD_DIR] [RUNS] [SECONDS]   (BUILD_DIR configured with -DTARVIK_BENCH=ON)
set -euo pipefail
fail() { echo "on_display.sh: $*" >&2; exit 1; }
here=$(dirname "$(realpath "$0")")
source "$here/figures.sh"

build=$(realpath -m "${1:-build/bench}")
runs=${2:-5}
seconds=${3:-5}
require_whole_numbers "$runs" "$seconds"
require_programs "$build" bench_startup_tarvik bench_startup_floor bench_panel_run
if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || fail "no display, and xvfb-run is missing (Debian package: xvfb)"
  exec xvfb-run -a -s "-screen 0 1366x768x24" "$0" "$build" "$runs" "$seconds"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# CPU nanoseconds and voluntary context switches of all the threads of process $1, on one line.
usage() {
  local pid=$1 cpu=0 switches=0 task
  for task in /proc/"$pid"/task/*; do
    cpu=$((cpu + $(cut -d' ' -f1 "$task/schedstat" 2>/dev/null || echo 0)))
    switches=$((switches + $(awk '/^voluntary_ctxt_switches/ {print $2}' "$task/status" 2>/dev/null || echo 0)))
  done
  echo "$cpu $switches"
}

# Starts program $1 with option $2 once per run, lets its start-up settle, and writes
# "CPU% wake-ups" over the seconds measured.
sampled() {
  local program=$1 option=$2 pid before after
  for _ in $(seq "$runs"); do
    "$program" "$option" >"$work/output" 2>&1 &
    pid=$!
    sleep 2
    kill -0 "$pid" 2>/dev/null || { tail -n 20 "$work/output" >&2; fail "$program ended during its start-up"; }
    before=$(usage "$pid")
    sleep "$seconds"
    after=$(usage "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$before $after" | awk -v s="$seconds" '{printf "%.3f %d\n", ($3 - $1) / (s * 1e7), $4 - $2}'
  done
}

# Runs the panel benchmark once per run and writes "CPU% wake-ups/s paints/s changes/s".
panel() {
  for _ in $(seq "$runs"); do
    "$build/bench/bench_panel_run" "$seconds" >"$work/output" 2>&1 ||
      { tail -n 20 "$work/output" >&2; fail "bench_panel_run failed (its output above)"; }
    grep -q "the run still going" "$work/output" || { cat "$work/output" >&2; fail "the panel's run ended early"; }
    awk '/CPU:/ {c = $2 + 0} /wake-ups:/ {w = $2} /paints:/ {p = $2; n = $7} END {print c, w, p, n}' "$work/output"
  done
}

column() { awk -v c="$1" '{print $c}' "$2" | spread "$3"; }

echo "display $DISPLAY, $runs runs of $seconds s, min / median / max"
echo "at rest after start-up, on xcb:"
for who in floor tarvik; do
  QT_QPA_PLATFORM=xcb sampled "$build/bench/bench_startup_$who" --rest >"$work/rest"
  printf "  %-7s CPU %s %% of a core, wake-ups %s in %d s\n" "$who" "$(column 1 "$work/rest" %.3f)" \
    "$(column 2 "$work/rest" %d)" "$seconds"
done
for platform in xcb offscreen; do
  export QT_QPA_PLATFORM=$platform
  echo "a position readout changing 20 times a second, on $platform:"
  sampled "$build/bench/bench_startup_floor" --readout >"$work/floor"
  awk -v s="$seconds" '{print $1, $2 / s}' "$work/floor" >"$work/floor.rate"
  printf "  floor   CPU %s %% of a core, wake-ups %s a second\n" "$(column 1 "$work/floor.rate" %.2f)" \
    "$(column 2 "$work/floor.rate" %.0f)"
  panel >"$work/panel"
  printf "  tarvik  CPU %s %% of a core (goal: at most 1%%), wake-ups %s a second (the servo panel's run);\n" \
    "$(column 1 "$work/panel" %.2f)" "$(column 2 "$work/panel" %.0f)"
  printf "          widgets painted %s a second for control changes %s a second\n" \
    "$(column 3 "$work/panel" %.1f)" "$(column 4 "$work/panel" %.1f)"
done
