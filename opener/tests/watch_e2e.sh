#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `m_jar --watch` for real: the built m_jar with its time faked by libfaketime
# (a time that can be moved while it runs), its own session and system
# buses (private dbus-daemons), a stand-in notification server and a
# stand-in xdg-open that records what it is handed.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
stub=${NOTIFICATION_STUB:?set NOTIFICATION_STUB to the stand-in notification server}
source "$(dirname "$0")/../../tests/e2e_lib.sh"
require_tools dbus-daemon dbus-send
require_libfaketime

make_tmp
capsule=$tmp/capsule
config=$tmp/config
log=$tmp/opened.log
notices=$tmp/notices.log
mkdir -p "$tmp/bin" "$config" "$tmp/runtime" "$capsule/TOMORROW"
chmod 700 "$tmp/runtime"
stand_in_xdg_open "$tmp/bin" "$log"
: >"$notices"

# Two private buses: one stands for the session bus, one for the system bus
# on which logind announces sleep and wake-up. Started in this shell (not in
# a $(...) subshell), so that the cleanup knows their pids and ends them.
start_bus() {  # NAME: the address goes to $tmp/NAME.address
  dbus-daemon --session --nofork --print-address=1 >"$tmp/$1.address" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 50); do [[ -s $tmp/$1.address ]] && break; sleep 0.1; done
  [[ -s $tmp/$1.address ]] || { echo "FAIL: dbus-daemon did not start"; exit 1; }
}
start_bus session
start_bus system
session_bus=$(head -n1 "$tmp/session.address")
system_bus=$(head -n1 "$tmp/system.address")
DBUS_SESSION_BUS_ADDRESS=$session_bus "$stub" "$notices" &
pids+=($!)
wait_for 5 notification_server_up "$session_bus" ||
  { echo "FAIL: the stand-in notification server did not start"; exit 1; }

# The faked time, read again at each call, so that a test can move it on.
set_time() { echo "@$1" >"$tmp/faketime"; }
stored_prev_date() { sed -n 's/^prev_date=//p' "$config/M_Jar.conf" 2>/dev/null; }
count_opened() { grep -c -- "$1" "$log"; }
opened_times() { [[ $(count_opened "$1") == "$2" ]]; }  # FILE COUNT
stored_is() { [[ $(stored_prev_date) == "$1" ]]; }

echo message >"$capsule/root.txt"  # opens at every run
echo message >"$capsule/TOMORROW/a.txt"
touch -d "2031-03-12 12:00" "$capsule/TOMORROW/a.txt"
echo message >"$capsule/TOMORROW/b.txt"
touch -d "2031-03-13 12:00" "$capsule/TOMORROW/b.txt"

set_time "2031-03-12 23:59:50"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen PATH="$tmp/bin:$PATH" \
  XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$tmp/runtime" \
  DBUS_SESSION_BUS_ADDRESS="$session_bus" DBUS_SYSTEM_BUS_ADDRESS="$system_bus" \
  LD_PRELOAD="$libfaketime" FAKETIME_TIMESTAMP_FILE="$tmp/faketime" FAKETIME_NO_CACHE=1 \
  NO_FAKE_STAT=1 DONT_FAKE_MONOTONIC=1 QT_LOGGING_RULES="morrowjar.watch.debug=true" \
  "$m_jar" --watch 0 "$capsule" 2>"$tmp/stderr" &
watcher=$!
pids+=($watcher)

# 1. The run at the start: the capsule root's file opens, the day is stored.
check "the first run opens the root file" wait_for 10 opened_times root.txt 1
check "the first run stores its day" wait_for 5 stored_is 2031/03/12

# 2. Past midnight, without a restart: the note of the 12th in TOMORROW
#    opens, and the 13th is stored.
check "after midnight the TOMORROW note opens" wait_for 25 opened_times TOMORROW/a.txt 1
check "after midnight the new day is stored" wait_for 5 stored_is 2031/03/13
check "a notice of what came back" \
  wait_for 5 grep -qx '2 capsules came back: capsule root (1), TOMORROW (1)|' "$notices"

# 3. Waking from sleep on a later day makes a run; a second wake-up on the
#    same day makes none.
# A wake-up that meets the end of the run of the 13th still going is looked
# at again when that run ends, so the wake-up may follow at once.
set_time "2031-03-14 09:00:00"
wake_up() {
  dbus-send --bus="$system_bus" --type=signal /org/freedesktop/login1 \
    org.freedesktop.login1.Manager.PrepareForSleep boolean:false
}
wake_up
check "a wake-up on a new day makes a run" wait_for 10 opened_times TOMORROW/b.txt 1
check "the wake-up's run stores its day" wait_for 5 stored_is 2031/03/14
wake_up
# The watch tells each wake-up and each wait for midnight it arms: on waking
# it arms one, and a second when it finds the day served and makes no run;
# a run it made would arm the next only at its end, after its files were
# handed over. So after the second wake-up's two waits, a run would show.
second_wake_up_settled() {
  awk '/woke: the computer woke from sleep/ { woke++; waits = 0; next }
       /the next day begins at/ { waits++ }
       END { exit !(woke == 2 && waits >= 2) }' "$tmp/stderr"
}
check "the second wake-up is heard" wait_for 10 second_wake_up_settled
check "a second wake-up the same day makes no run ($(count_opened root.txt) root openings)" \
  test "$(count_opened root.txt)" == 3

# 4. SIGTERM ends the watch cleanly, with the settings intact.
kill -TERM "$watcher"
ended=1
ended_in_time "$watcher" && ended=0
check "SIGTERM ends the watch with status 0" test "$ended" == 0
check "the settings are intact after SIGTERM" test "$(stored_prev_date)" == 2031/03/14
check "nothing was reported: $(cat "$tmp/stderr")" bash -c '! grep -q "^Morrowjar" "$1"' _ "$tmp/stderr"
check "one notice a run, none for the second wake-up: $(cat "$notices")" \
  test "$(wc -l <"$notices")" == 3
summary
