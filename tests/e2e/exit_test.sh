#!/usr/bin/env bash
# The program as a person starts it: a window opens on a private X display, a click on
# "Exit" ends it with status 0.
set -u
program=$1
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || {
  echo "xvfb-run and xdotool are needed"; exit 1; }
export PROGRAM=$program WAIT_FOR_WINDOW=$(dirname "$0")/wait_for_window.sh
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$PROGRAM" & pid=$!
  win=$("$WAIT_FOR_WINDOW")
  [ -n "$win" ] || { echo "no window appeared"; kill $pid; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$win")"
  # "Exit" sits at 2760, 6000 twips in a frame whose top is 90 twips above the client area.
  # A click that comes before the window is ready is lost: click again, a few times.
  for _ in $(seq 10); do
    xdotool mousemove $((X + 2760 / 15 + 40)) $((Y + 5910 / 15 + 12)) click 1
    for _ in $(seq 30); do kill -0 $pid 2>/dev/null || break 2; sleep 0.1; done
  done
  if kill -0 $pid 2>/dev/null; then echo "still running after Exit"; kill $pid; exit 1; fi
  wait $pid; status=$?
  echo "ended with status $status"
  exit $status
'
