#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Both programs started in a session whose display does not answer: an X
# display number with no server, a Wayland socket that is not there, or both.
# Neither may abort: the opener runs without a window, its reports going to
# stderr; the writer, which is nothing without its window, says it needs a
# display and ends with status 1. Then, with an X server answering beside a
# Wayland socket that is gone, the writer's window must still reach X.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
m_jarin=${M_JARIN:?set M_JARIN to the m_jarin binary}
source "$(dirname "$0")/e2e_lib.sh"

work=$(mktemp -d)
xvfb_pid='' writer_pid=''
trap '[[ -n $writer_pid ]] && kill "$writer_pid" 2>/dev/null
      [[ -n $xvfb_pid ]] && kill -CONT "$xvfb_pid" 2>/dev/null && kill "$xvfb_pid" 2>/dev/null
      rm -rf "$work"' EXIT

dead_display=''
for n in $(seq 99 199); do
  [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
  dead_display=:$n
  break
done
[[ -n $dead_display ]] || skip "no free X display number"

# A home of its own with an empty capsule root.
home=$work/home
mkdir -p "$home/Morrowjar" "$work/runtime"
chmod 700 "$work/runtime"
# A settings folder that is a file: the opener cannot store its date and
# has something to report.
config=$work/config_is_a_file
echo "not a folder" >"$config"

# Runs COMMAND in a session that names X11-DISPLAY and WAYLAND-DISPLAY (each
# unset when empty), with QT_QPA_PLATFORM unset so that Qt chooses.
in_session() {  # X11-DISPLAY WAYLAND-DISPLAY COMMAND...
  local vars=(-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home"
              XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$work/runtime")
  [[ -n $1 ]] && vars+=(DISPLAY="$1")
  [[ -n $2 ]] && vars+=(WAYLAND_DISPLAY="$2")
  shift 2
  env "${vars[@]}" timeout 30 "$@" 2>"$work/stderr"
}

status_is() {  # WANT LABEL
  [[ $status == "$1" ]] && return 0
  echo "$2: status $status (134 is SIGABRT, 124 a hang); stderr:"
  cat "$work/stderr"
  return 1
}

sessions=(
  "DISPLAY=$dead_display with no server|$dead_display|"
  "a Wayland socket that is not there||wayland-gone"
  "neither answering|$dead_display|wayland-gone"
)
for row in "${sessions[@]}"; do
  IFS='|' read -r label x11 wayland <<<"$row"

  in_session "$x11" "$wayland" "$m_jar"
  status=$?
  check "$label: the opener ends normally" status_is 0 "$label: m_jar"
  check "$label: the opener's report goes to stderr" grep -q 'cannot be written' "$work/stderr"

  # The writer has nothing to show its window on: it says so and ends with
  # status 1 within seconds (the limit of in_session is 30 s).
  started=$(date +%s)
  in_session "$x11" "$wayland" "$m_jarin"
  status=$?
  check "$label: the writer ends with status 1" status_is 1 "$label: m_jarin"
  check "$label: the writer says it needs a display" grep -q 'display' "$work/stderr"
  check "$label: the writer ends within seconds" test $(($(date +%s) - started)) -le 10
done

((failed == 0)) || { summary; exit; }
require_tools Xvfb xdotool
start_xvfb "$work"
live_display=$DISPLAY
in_session "$live_display" wayland-gone "$m_jarin" &
writer_pid=$!
window_on_x() {
  for _ in $(seq 300); do
    DISPLAY=$live_display xdotool search --class m_jarin >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
check "X answering, Wayland gone: the writer's window is on X" window_on_x
kill "$writer_pid" 2>/dev/null
wait "$writer_pid" 2>/dev/null
writer_pid=''

# A stopped X server takes connections and never answers: both programs give
# it up after about two seconds and say so in one line; the opener goes on
# without it, the writer, which needs its window, ends.
kill -STOP "$xvfb_pid"
in_session "$live_display" '' "$m_jar" &
opener_pid=$!
ended_in_time "$opener_pid"
status=$?
check "a stopped X server: the opener's run ends" status_is 0 "stopped X server: m_jar"
check "a stopped X server: the opener says it went on without it" \
  grep -q "X display $live_display .*did not answer" "$work/stderr"
check "a stopped X server: one such line" \
  test "$(grep -c 'did not answer' "$work/stderr")" = 1
check "a stopped X server: the opener's report goes to stderr" grep -q 'cannot be written' "$work/stderr"
in_session "$live_display" '' "$m_jarin"
status=$?
check "a stopped X server: the writer ends with status 1" status_is 1 "stopped X server: m_jarin"
check "a stopped X server: the writer says the display did not answer" \
  grep -q "X display $live_display .*did not answer" "$work/stderr"
kill -CONT "$xvfb_pid"
summary
