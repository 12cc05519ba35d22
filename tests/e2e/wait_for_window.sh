#!/usr/bin/env bash
# Prints the id of the program's first visible window once it is up, or fails after 60 s
# (a loaded machine can be slow to start it).
for _ in $(seq 600); do
  win=$(xdotool search --onlyvisible --classname quillon 2>/dev/null | head -n 1)
  [ -n "$win" ] && { echo "$win"; exit 0; }
  sleep 0.1
done
exit 1
