#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The writer when storing fails for real: the built m_jarin on a private X
# server, typed into with xdotool. Each case makes storing fail, answers the
# failure boxes, checks that the window is still open and that no message file
# (whole or partial) was left, then mends the cause and presses Enter again:
# the message stored then must be the text typed before the failure, intact.
#
#   faults_e2e.sh plain        a full disk (the file size limit, SIGXFSZ ignored)
#   faults_e2e.sh permissions  a capsule root and a schedule folder the user may
#                              not write, a schedule folder the user may not
#                              search; as root they run as the user nobody
#
# Exit status 77 means the part could not be run here (the reason is printed).
set -u
m_jarin=${M_JARIN:?set M_JARIN to the m_jarin binary}
mode=${1:-plain}
source "$(dirname "$0")/../../tests/e2e_lib.sh"
require_tools Xvfb xdotool prlimit

work=$(mktemp -d)
chmod 755 "$work"
xvfb_pid='' writer_pid=''
cleanup() {
  [[ -n $writer_pid ]] && kill "$writer_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  chmod -R u+rwx "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

become_unprivileged() {
  mkdir -p "$work/home"
  drop_privileges "$work"
  m_jarin=$(reachable_binary "$m_jarin" "$work")
  own "$work/home"
}

start_display() { start_xvfb "$work"; }

send() { timeout 10 xdotool "$@"; }

# Starts the writer on ROOT, with the shell commands SETUP run first in the
# shell that then becomes the writer (a file size limit, say).
start_writer() {  # ROOT SETUP
  mkdir -p "$work/runtime"
  chmod 700 "$work/runtime"
  own "$work/runtime"
  HOME=$work/home XDG_RUNTIME_DIR=$work/runtime "${as_user[@]}" \
    bash -c "$2"'; exec "$0" "$1"' "$m_jarin" "$1" 2>>"$work/writer.log" &
  writer_pid=$!
  # The title names the capsule root after the program's name.
  window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Morrowjar Text Input — ' |
    head -n1)
  [[ -n $window ]] && send windowfocus --sync "$window"
}

# Answers every failure box that comes up with Enter; prints how many came.
# Each of the EXPECTED boxes is waited for as long as a loaded machine may
# need; after them, one more is looked for briefly (one that came later would
# go unseen, never fail the case wrongly).
answer_boxes() {  # EXPECTED
  local count=0 box wait
  while :; do
    wait=3
    ((count < $1)) && wait=20
    box=$(timeout "$wait" xdotool search --sync --onlyvisible --name '^Morrowjar$' | head -n1)
    [[ -n $box ]] || break
    count=$((count + 1))
    send windowfocus --sync "$box" key Return
    for _ in $(seq 100); do
      xdotool search --onlyvisible --name '^Morrowjar$' | grep -qx "$box" || break
      sleep 0.1
    done
    ((count < 10)) || break
  done
  echo "$count"
}

# Whether the writer still runs once its boxes have gone: closing the last
# one is when it would have ended. The steps after this check (the message
# stored once the fault is mended) need its window too.
writer_running() { kill -0 "$writer_pid" 2>/dev/null; }

writer_ended() {
  ended_in_time "$writer_pid" || return
  writer_pid=''
}

# No file of any kind in FOLDER (a half-written message or its temporary
# file included); a folder that is not there holds none either.
holds_no_file() { [[ -z $(find "$1" -type f 2>/dev/null) ]]; }

same_content() { cmp -s "$1" <(printf '%s\n' "$2"); }

# One case: see OPENING_BOXES boxes when the window opens (a capsule root
# that cannot take a message is reported before typing), type MESSAGE under
# SCHEDULE, see storing fail with BOXES boxes, run MEND, press Enter in the
# schedule box again and find the message.
fault_case() {  # LABEL ROOT SETUP SCHEDULE BOXES MEND [OPENING_BOXES]
  local label=$1 root=$2 setup=$3 schedule=$4 boxes=$5 mend=$6 opening=${7:-0}
  local message="Kept through the failure"
  start_writer "$root" "$setup"
  [[ -n $window ]] || { check "$label: the writer shows its window" false; return; }
  local at_open
  at_open=$(answer_boxes "$opening")
  check "$label: $opening box(es) expected when the window opens, $at_open shown" \
    test "$at_open" = "$opening"
  send windowfocus --sync "$window"
  send type --delay 5 "$message"
  send key Tab
  send type --delay 5 "$schedule"
  send key Return
  local shown
  shown=$(answer_boxes "$boxes")
  check "$label: $boxes failure box(es) expected, $shown shown" test "$shown" = "$boxes"
  check "$label: the window stays open" writer_running
  check "$label: no message file is left" holds_no_file "$root/$schedule"
  eval "$mend"
  send windowfocus --sync "$window"
  send key Return
  check "$label: after mending, Enter stores and ends the writer" writer_ended
  check "$label: the stored text is the one typed before the failure" \
    same_content "$root/$schedule/$message.txt" "$message"
  [[ -n $writer_pid ]] && kill "$writer_pid" 2>/dev/null
  writer_pid=''
}

plain() {
  # Nothing can grow past 0 bytes: the capsule root and the folder are made,
  # the message cannot be written.
  fault_case "full disk" "$work/full" "ulimit -S -f 0; trap '' XFSZ" TOMORROW 1 \
    'prlimit --pid "$writer_pid" --fsize=unlimited:'
}

permissions() {
  become_unprivileged
  local root=$work/ro_root
  mkdir -p "$root"
  own "$root"
  chmod 0555 "$root"
  # The capsule root is not writable: one box says so when the window opens,
  # and one more when the schedule folder cannot be made in it.
  fault_case "read-only capsule root" "$root" : TOMORROW 1 'chmod 0755 "$root"' 1
  root=$work/ro_folder
  mkdir -p "$root/EVERYDAY"
  own "$root"
  chmod 0555 "$root/EVERYDAY"
  # The schedule folder is there but read-only, so the opener would pass it
  # over: refused, in one box.
  fault_case "read-only schedule folder" "$root" : EVERYDAY 1 'chmod 0755 "$root/EVERYDAY"'
  root=$work/unsearchable
  mkdir -p "$root/TOMORROW"
  own "$root"
  chmod 0666 "$root/TOMORROW"
  # No name in the schedule folder can be looked up: one box naming the path
  # and the reason, not a search that never ends.
  fault_case "schedule folder without search permission" "$root" : TOMORROW 1 \
    'chmod 0755 "$root/TOMORROW"'
}

case $mode in
  plain | permissions) ;;
  *) echo "usage: $0 plain|permissions" >&2; exit 2 ;;
esac
start_display
"$mode"
echo "writer faults ($mode): $passed passed, $failed failed"
[[ $failed == 0 ]] || { echo "--- writer stderr"; cat "$work/writer.log"; }
[[ $failed == 0 ]]
