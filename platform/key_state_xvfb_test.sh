#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts its own Xvfb, holds Insert with xdotool and checks that the skip key
# reads as down, then up again; without a display it must read as up.
set -u
probe=${PROBE:?set PROBE to key_state_probe}
source "$(dirname "$0")/../tests/e2e_lib.sh"
reads() {  # WANT LABEL
  local got
  got=$("$probe")
  if [[ $got == "$1" ]]; then pass; else fail "$2: Insert reads $got, not $1"; fi
}

(unset DISPLAY WAYLAND_DISPLAY; got=$("$probe"); [[ $got == up ]]) ||
  { echo "FAIL: without a display Insert must read as up"; failed=1; }

((failed == 0)) || exit 1
require_tools Xvfb xdotool

work=$(mktemp -d)
xvfb_pid=''
trap '[[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
start_xvfb "$work"

reads up "before keydown"
# The server lets go of keys pressed by a client when it disconnects, so
# xdotool holds Insert for a while in the background.
xdotool keydown Insert sleep 3 keyup Insert &
holder=$!
for _ in $(seq 20); do
  [[ $("$probe") == down ]] && break
  sleep 0.1
done
reads down "while Insert is held"
wait "$holder"
reads up "after keyup"

summary
