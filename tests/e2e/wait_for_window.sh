#!/usr/bin/env bash
# Prints the id of the program's first visible window once it is up (60 s at most: a loaded machine is slow to start it), or fails.
for _ in $(seq 600); do
  win=$(xdotool search --onlyvisible --classname quillon 2>/dev/null | head -n 1)
  [ -n "$win" ] && { echo "$win"; exit 0; }
  sleep 0.1
done
exit 1
