#!/usr/bin/env bash
# Without a display the program says so in one line and leaves with status 1.
set -u
program=$1
fail=0
check() {
  local what=$1; shift
  out=$("$@" 2>&1); status=$?
  lines=$(printf '%s\n' "$out" | grep -c .)
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q "no display" <<<"$out"; then
    echo "$what: status $status, said: $out"; fail=1
  fi
}
check "no DISPLAY" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
check "unreachable DISPLAY" env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9876 "$program"
exit $fail
