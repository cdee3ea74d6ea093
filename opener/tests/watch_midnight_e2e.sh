#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A `m_jar --watch` run that starts before midnight and ends after it: the
# watch must run again at once for the new day, so that no day goes without
# a run. The built m_jar runs with its time faked by libfaketime (the clock
# running on), without buses or a display, and a stand-in xdg-open that
# records what it is handed.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
source "$(dirname "$0")/../../tests/e2e_lib.sh"
require_libfaketime

make_tmp
capsule=$tmp/capsule
config=$tmp/config
log=$tmp/opened.log
mkdir -p "$config" "$tmp/runtime" "$capsule/TOMORROW"
chmod 700 "$tmp/runtime"
stand_in_xdg_open "$tmp/bin" "$log"

opened_times() { [[ $(grep -c -- "$1" "$log") == "$2" ]]; }  # FILE COUNT
stored_is() { [[ $(read_record "$config/M_Jar.conf" "$capsule") == "$1" ]]; }

# Three files of the capsule root open at every run, one per tick of three
# seconds: the run that starts at 23:59:57 on the 12th ends after midnight.
# The note in TOMORROW, stored on the 12th, is due on the 13th only.
for name in a b c; do echo message >"$capsule/$name.txt"; done
echo message >"$capsule/TOMORROW/note.txt"
touch -d "2031-03-12 12:00" "$capsule/TOMORROW/note.txt"
write_record "$config/M_Jar.conf" "$capsule" 2031/03/11

echo "@2031-03-12 23:59:57" >"$tmp/faketime"
env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM=offscreen \
  DBUS_SYSTEM_BUS_ADDRESS=unix:path=$tmp/no-bus PATH="$tmp/bin:$PATH" \
  XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$tmp/runtime" \
  LD_PRELOAD="$libfaketime" FAKETIME_TIMESTAMP_FILE="$tmp/faketime" FAKETIME_NO_CACHE=1 \
  NO_FAKE_STAT=1 DONT_FAKE_MONOTONIC=1 \
  "$m_jar" --watch 3 "$capsule" 2>"$tmp/stderr" &
watcher=$!
pids+=("$watcher")

# The run of the 12th hands over its three files, the last after midnight,
# and is recorded as the 12th's.
check "the run of the 12th opens the root's files" wait_for 20 opened_times c.txt 1
# The day after has had no run yet: the watch runs again at once, not at the
# next midnight, and the note due on the 13th opens.
check "the watch runs again for the 13th at once: $(cat "$log" | tr '\n' ' ')" \
  wait_for 30 opened_times TOMORROW/note.txt 1
check "the 13th is recorded as served" wait_for 10 stored_is 2031/03/13
check "each root file opened once a day: $(sort "$log" | uniq -c | tr -s ' \n' ' ')" \
  wait_for 10 opened_times a.txt 2
check "nothing was reported: $(cat "$tmp/stderr")" \
  bash -c '! grep -q "^Morrowjar" "$1"' _ "$tmp/stderr"
summary
