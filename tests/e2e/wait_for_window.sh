#!/usr/bin/env bash
# Prints the id of the program's window once it is on view; fails after 30 seconds.
for _ in $(seq 300); do
  win=$(xdotool search --onlyvisible --classname quillon 2>/dev/null | head -n 1)
  [ -n "$win" ] && { echo "$win"; exit 0; }
  sleep 0.1
done
exit 1
