#!/usr/bin/env bash
# Starts its own Xvfb, holds Insert with xdotool and checks that the skip key
# reads as down, then up again; without a display it must read as up.
set -u
probe=${PROBE:?set PROBE to key_state_probe}
failed=0

check() {  # WANT LABEL
  local got
  got=$("$probe")
  if [[ $got != "$1" ]]; then
    echo "FAIL: $2: Insert reads $got, not $1"
    failed=1
  fi
}

(unset DISPLAY WAYLAND_DISPLAY; got=$("$probe"); [[ $got == up ]]) ||
  { echo "FAIL: without a display Insert must read as up"; failed=1; }

for cmd in Xvfb xdotool; do
  command -v "$cmd" >/dev/null || { echo "SKIP: $cmd missing"; exit "$failed"; }
done

display=:$((90 + RANDOM % 400))
Xvfb "$display" -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do
  xdotool getmouselocation >/dev/null 2>&1 && break
  sleep 0.1
done

check up "before keydown"
# The server lets go of keys pressed by a client when it disconnects, so
# xdotool holds Insert for a while in the background.
xdotool keydown Insert sleep 3 keyup Insert &
holder=$!
for _ in $(seq 20); do
  [[ $("$probe") == down ]] && break
  sleep 0.1
done
check down "while Insert is held"
wait "$holder"
check up "after keyup"

[[ $failed == 0 ]] && echo "key state: all checks passed"
exit "$failed"
