#!/usr/bin/env bash
# The program under a real window manager: Alt+F4 on the title screen, which has no other
# way out than "Exit", ends it with status 0.
set -u
program=$1
for tool in xvfb-run xdotool openbox xprop; do
  command -v $tool >/dev/null || { echo "xvfb-run, xdotool, openbox and xprop are needed"; exit 1; }
done
export PROGRAM=$program WAIT_FOR_WINDOW=$(dirname "$0")/wait_for_window.sh
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  openbox --sm-disable >/dev/null 2>&1 & wm=$!
  # As at a desktop: the window manager is up before the program starts.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  "$PROGRAM" & pid=$!
  win=$("$WAIT_FOR_WINDOW") || { echo "no window appeared"; kill $pid $wm; exit 1; }
  # Keys that come before the window manager has taken the window are lost: press again.
  for _ in $(seq 10); do
    xdotool windowactivate --sync "$win" 2>/dev/null
    xdotool key --clearmodifiers alt+F4
    for _ in $(seq 30); do kill -0 $pid 2>/dev/null || break 2; sleep 0.1; done
  done
  kill $wm
  if kill -0 $pid 2>/dev/null; then echo "still running after Alt+F4"; kill $pid; exit 1; fi
  wait $pid; status=$?
  echo "ended with status $status"
  exit $status
'
