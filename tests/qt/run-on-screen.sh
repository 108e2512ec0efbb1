#!/usr/bin/env bash
# Runs the Qt tests' on-screen checks (OnScreen*) as a user meets the windows: on a virtual X
# server of 1366x768 with a small window manager, at scale 1 and at scale 2.
set -euo pipefail
binary=$1
# Under the leak checker, what the X platform's libraries keep for the life of the process is not
# the program's.
export LSAN_OPTIONS="suppressions=$(dirname "$0")/on-screen-leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

on_screen() {
  xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    # The tests start once the window manager is up: it runs its start-up command when it has
    # taken the screen and manages windows. Looked at every 50 ms, for at most 60 s.
    ready=$(mktemp -d)/up
    openbox --sm-disable --startup "touch $ready" >/dev/null 2>&1 &
    wm=$!
    for ((try = 0; try < 1200; ++try)); do
      [ -e "$ready" ] && break
      if ! kill -0 "$wm" 2>/dev/null || ((try == 1199)); then echo "the window manager did not start" >&2; exit 1; fi
      sleep 0.05
    done
    rm -r "$(dirname "$ready")"
    status=0
    QT_QPA_PLATFORM=xcb "$@" --gtest_filter="OnScreen*" || status=$?
    kill "$wm" 2>/dev/null || true
    exit "$status"' on-screen "$@"
}

echo "== scale 1"
on_screen "$binary"
echo "== scale 2"
QT_SCALE_FACTOR=2 on_screen "$binary"
