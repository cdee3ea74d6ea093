#!/usr/bin/env bash
# Runs the real m_jarin on a private X server, types into it as a user would,
# and checks the message files it leaves; then has m_jar's dry run show that
# the message opens at a run on the next day.
# Every wait has a time limit, so a window that never shows cannot hang it.
set -u
m_jarin=${M_JARIN:?set M_JARIN to the m_jarin binary}
m_jar=${M_JAR:-}
source "$(dirname "$0")/../../tests/e2e_lib.sh"
require_tools Xvfb xdotool

work=$(mktemp -d)
xvfb_pid='' writer_pid=''
cleanup() {
  [[ -n $writer_pid ]] && kill "$writer_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

start_xvfb "$work"

start_writer() {  # ARGS...
  "$m_jarin" "$@" 2>>"$work/writer.log" &
  writer_pid=$!
  window=$(timeout 15 xdotool search --sync --onlyvisible --name '^M_JAR TEXT INPUT$' | head -n1)
  [[ -n $window ]] && timeout 10 xdotool windowfocus --sync "$window"
}

# Whether the writer ended within a few seconds (with status 0).
writer_ended() {
  ended_in_time "$writer_pid" || return
  writer_pid=''
}

still_running() { sleep 0.3; kill -0 "$writer_pid" 2>/dev/null; }

send() { timeout 10 xdotool "$@"; }

# 1. A message under TOMORROW: typed, Tab to the schedule box, Enter stores.
root=$work/caps
start_writer "$root"
send type --delay 5 'Meet at 10:30, OK?'
send key Tab
send type --delay 5 'TOMORROW'
send key Return
check "Enter in the schedule box ends the writer" writer_ended
message=$root/TOMORROW/'Meet at 1030 OK.txt'
check "the message file is in TOMORROW" test -f "$message"
check "the file holds the message and one line break" \
  cmp -s "$message" <(printf 'Meet at 10:30, OK?\n')

# 2. The command line's words make one location; an empty schedule text
#    stores the message in the capsule root itself.
start_writer "$work/my" "capsules"
send type --delay 5 'every run'
send key Tab Return
check "a message with no schedule is stored" writer_ended
check "the location is the words joined by a space" test -f "$work/my capsules/every run.txt"

# 3. Esc does not close the window; CANCEL (the fourth control) does, storing nothing.
start_writer "$work/cancelled"
send type --delay 5 'not wanted'
send key Escape
check "Esc leaves the window open" still_running
send key Tab Tab Tab space
check "CANCEL ends the writer" writer_ended
check "CANCEL stores nothing" test ! -e "$work/cancelled"

# 4. The opener finds what the writer stored: at a run on the next day the
#    message in TOMORROW is queued, by the same scan and selection as a real run.
if [[ -n $m_jar && -f $message ]]; then
  stored=$(date -r "$message" +%F)
  next=$(date -d "$stored + 1 day" +%F)
  answer=$("$m_jar" --dry-run --today "$next" --prev "$stored" --json -- "$root")
  check "m_jar queues the stored message the next day: $answer" \
    grep -qF "\"path\":\"$message\"" <<<"$answer"
  answer=$("$m_jar" --dry-run --today "$stored" --prev "$stored" --json -- "$root")
  check "m_jar does not queue it on the day it was stored: $answer" \
    bash -c '! grep -qF "$1" <<<"$2"' _ "\"path\":\"$message\"" "$answer"
fi

summary
