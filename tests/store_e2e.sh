#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the real m_jarin on a private X server, types into it as a user would,
# and checks the message files it leaves; then has m_jar's dry run show that
# the message opens at a run on the next day.
# Every wait has a time limit, so a window that never shows cannot hang it.
set -u
m_jarin=${M_JARIN:?set M_JARIN to the m_jarin binary}
m_jar=${M_JAR:-}
source "$(dirname "$0")/e2e_lib.sh"
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

# The window's title names the capsule root after the program's name.
title='^Morrowjar Text Input — '
start_writer() {  # ARGS...
  "$m_jarin" "$@" >"$work/writer.out" 2>>"$work/writer.log" &
  writer_pid=$!
  window=$(timeout 15 xdotool search --sync --onlyvisible --name "$title" | head -n1)
  [[ -n $window ]] && timeout 10 xdotool windowfocus --sync "$window"
}

# Whether the writer ended within a few seconds (with status 0).
writer_ended() {
  ended_in_time "$writer_pid" || return
  writer_pid=''
}

# Whether the writer still runs once the question has been answered and its
# box has gone, which is when an answer that ends it would have ended it.
# The steps after each such check (the question asked again) need its window
# too.
question_gone() { ! xdotool search --onlyvisible --name '^Morrowjar$' >/dev/null 2>&1; }
still_running() { wait_for 10 question_gone && kill -0 "$writer_pid" 2>/dev/null; }

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
check "the stored file's path is on stdout" grep -qxF "$message" "$work/writer.out"

question_shown() {
  timeout 5 xdotool search --sync --onlyvisible --name '^Morrowjar$' >/dev/null
}

# 2. The command line's words make one location; an empty schedule text
#    asks once, then stores the message in the capsule root itself.
start_writer "$work/my" "capsules"
check "the title names the capsule root" \
  xdotool search --onlyvisible --name "${title}$work/my capsules\$"
send type --delay 5 'every run'
send key Tab Return
check "no schedule: the question comes up" question_shown
send key Return
check "no schedule: going back keeps the window" still_running
check "no schedule: going back stores nothing" test ! -e "$work/my capsules"
send windowfocus --sync "$window" key Return
check "no schedule: asked again" question_shown
send key alt+o
check "a message with no schedule is stored" writer_ended
check "the location is the words joined by a space" test -f "$work/my capsules/every run.txt"

# 3. Esc with text asks, and by default keeps the window and the text;
#    Enter on the focused CANCEL (the fourth control) asks again, and
#    Alt+T throws the text away, storing nothing.
start_writer "$work/cancelled"
send type --delay 5 'not wanted'
send key Escape
check "Esc: the question comes up" question_shown
send key Return
check "Esc: keeping the text leaves the window open" still_running
send windowfocus --sync "$window" key Tab Tab Tab Return
check "CANCEL: the question comes up" question_shown
send key alt+t
check "CANCEL ends the writer" writer_ended
check "CANCEL stores nothing" test ! -e "$work/cancelled"

# 4. Real key presses in the schedule box: "E" stays "E" (the month's end),
#    with nothing filled in from the proposed names.
start_writer "$work/typed"
send type --delay 5 'month end'
send key Tab
send type --delay 5 'E'
send key Return
check "E in the schedule box: stored and ended" writer_ended
check "E in the schedule box: stored in E, not EVERYDAY" test -f "$work/typed/E/month end.txt"
check "E in the schedule box: no other folder" test "$(ls "$work/typed")" = E

# 5. A name that never opens asks first; the default answer goes back with
#    the text kept, Alt+S stores anyway.
start_writer "$work/asked"
send type --delay 5 'never back'
send key Tab
send type --delay 5 'T'
send key Return
check "T: the question comes up" question_shown
send key Return
check "T: going back keeps the window" still_running
check "T: going back stores nothing" test ! -e "$work/asked/T"
send windowfocus --sync "$window" key Return
check "T: asked again" question_shown
send key alt+s
check "T: stored anyway and ended" writer_ended
check "T: the text typed before the question" \
  cmp -s "$work/asked/T/never back.txt" <(printf 'never back\n')

# 6. The command line as GNU tools have it: --help, --version, a mistake,
#    and "--" before a location that begins with "-".
help=$("$m_jarin" --help)
check "--help ends at once with status 0" test $? = 0
check "--help shows the usage" grep -q '^Usage: .*\[--\] \[LOCATION\.\.\.\]' <<<"$help"
check "--version names the program" grep -qx 'm_jarin [0-9.]*' <<<"$("$m_jarin" --version)"
"$m_jarin" --no-such-option >/dev/null 2>"$work/option.err"
check "an unknown option fails with status 2" test $? = 2
check "an unknown option is named" grep -q "Unknown option 'no-such-option'" "$work/option.err"
(cd "$work" && exec "$m_jarin" -- -dashed 2>>"$work/writer.log") &
writer_pid=$!
window=$(timeout 15 xdotool search --sync --onlyvisible --name "$title" | head -n1)
[[ -n $window ]] && send windowfocus --sync "$window"
send type --delay 5 'dashed'
send key Tab
send type --delay 5 'EVERYDAY'
send key Return
check "-- -dashed: stored and ended" writer_ended
check "-- -dashed: the capsule root is the folder -dashed" \
  test -f "$work/-dashed/EVERYDAY/dashed.txt"

# 7. The opener finds what the writer stored: at a run on the next day the
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
