#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `m_jar --watch` on the days before daylight-saving changes that skip or
# repeat midnight, its time faked by libfaketime: it sets one timer to the
# first instant of the next day and does nothing else while it waits (no
# wake-up of its main thread, where its timers fire), and at that instant it
# makes the new day's run and waits again.
# Its waits are read from its log (QT_LOGGING_RULES morrowjar.watch.debug),
# its wake-ups from the kernel's count of its main thread's context switches.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
source "$(dirname "$0")/../../tests/e2e_lib.sh"
require_libfaketime
[[ -d /proc/self/task ]] || skip "no /proc to count wake-ups"

tmp=$(mktemp -d)
watcher=''
cleanup() {
  [[ -n $watcher ]] && kill "$watcher" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# Voluntary and involuntary context switches of the main thread.
wake_ups() { awk '/ctxt_switches/ { s += $2 } END { print s + 0 }' "/proc/$1/task/$1/status"; }
opened() { grep -c -- "$1" "$tmp/opened.log" 2>/dev/null; }

# Starts the watch on a fresh capsule at local time START in ZONE; one note
# in TOMORROW, stored at noon on NOTE-DAY (by default the day before START).
start_watch() {  # ZONE START [NOTE-DAY]
  rm -rf "$tmp/run"
  mkdir -p "$tmp/run/capsule/TOMORROW" "$tmp/run/config" "$tmp/run/runtime" "$tmp/bin"
  chmod 700 "$tmp/run/runtime"
  stand_in_xdg_open "$tmp/bin" "$tmp/opened.log"
  capsule=$tmp/run/capsule
  echo message >"$capsule/TOMORROW/note.txt"
  local note_day=${3:-$(TZ=$1 date -d "$2 1 day ago" '+%Y-%m-%d')}
  TZ=$1 touch -d "$note_day 12:00" "$capsule/TOMORROW/note.txt"
  # The faked time is given in the zone's local time.
  echo "@$2" >"$tmp/faketime"
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen TZ="$1" \
    QT_LOGGING_RULES="morrowjar.watch.debug=true" PATH="$tmp/bin:$PATH" \
    XDG_CONFIG_HOME="$tmp/run/config" XDG_RUNTIME_DIR="$tmp/run/runtime" \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/dev/null/no-bus DBUS_SYSTEM_BUS_ADDRESS=unix:path=/dev/null/no-bus \
    LD_PRELOAD="$libfaketime" FAKETIME_TIMESTAMP_FILE="$tmp/faketime" FAKETIME_NO_CACHE=1 \
    NO_FAKE_STAT=1 DONT_FAKE_MONOTONIC=1 \
    "$m_jar" --watch 0 "$capsule" 2>"$tmp/run/log" &
  watcher=$!
}
end_watch() {
  kill -TERM "$watcher"
  ended_in_time "$watcher" >/dev/null || kill -KILL "$watcher"
  watcher=''
}
waits_for() { grep -qF "the next day begins at \"$1\"" "$tmp/run/log"; }  # INSTANT
stored_is() { grep -q "^prev_date=$1\$" "$tmp/run/config/M_Jar.conf" 2>/dev/null; }
count_wake_ups_over() {  # SECONDS: prints the main thread's wake-ups over them
  local before
  before=$(wake_ups "$watcher")
  sleep "$1"
  echo $(($(wake_ups "$watcher") - before))
}

# 1. A whole idle afternoon before the change: one timer, to the first
#    instant of the next day, and not one wake-up meanwhile.
#    zone | local time the watch starts | the next day begins (wall clock)
days_before=(
  "America/Havana|2027-03-13 12:00:00|2027-03-14T01:00:00-04:00"
  "Asia/Beirut|2027-03-27 12:00:00|2027-03-28T01:00:00+03:00"
  "America/Santiago|2027-09-04 12:00:00|2027-09-05T01:00:00-03:00"
  "Africa/Cairo|2027-04-29 12:00:00|2027-04-30T01:00:00+03:00"
  "America/Havana|2027-11-06 12:00:00|2027-11-07T00:00:00-04:00"
  "America/Santiago|2027-04-03 12:00:00|2027-04-04T00:00:00-04:00"
)
for row in "${days_before[@]}"; do
  IFS='|' read -r zone start next_day <<<"$row"
  start_watch "$zone" "$start" "${start:0:10}"  # the note waits for the next day
  check "$zone $start: the first run stores its day" wait_for 10 stored_is "${start:0:4}/${start:5:2}/${start:8:2}"
  check "$zone $start: one timer, to $next_day" wait_for 5 waits_for "$next_day"
  idle=$(count_wake_ups_over 4)
  check "$zone $start: no wake-up while it waits ($idle in 4 s)" test "$idle" == 0
  check "$zone $start: one wait set: $(grep -c 'next day begins' "$tmp/run/log")" \
    test "$(grep -c 'next day begins' "$tmp/run/log")" == 1
  end_watch
done

# 2. Across the skipped midnight in Havana: the timer fires once, at 01:00,
#    the new day's run opens the note, and the watch waits for the next
#    midnight without a wake-up.
start_watch America/Havana "2027-03-13 23:59:53" 2027-03-13
check "Havana: the first run stores its day" wait_for 10 stored_is 2027/03/13
check "Havana: the timer is set to 01:00" wait_for 5 waits_for 2027-03-14T01:00:00-04:00
opened_once() { test "$(opened note.txt)" == 1; }
check "Havana: at 01:00 the note opens" wait_for 20 opened_once
check "Havana: the new day is stored" wait_for 5 stored_is 2027/03/14
check "Havana: then a timer to the next midnight" wait_for 5 waits_for 2027-03-15T00:00:00-04:00
check "Havana: the one timer woke it once: $(cat "$tmp/run/log")" \
  test "$(grep -c 'woke:' "$tmp/run/log")" == 1
idle=$(count_wake_ups_over 4)
check "Havana: no wake-up on the new day ($idle in 4 s)" test "$idle" == 0
end_watch
summary
