#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `m_jar --watch` when the buses or the notification server fail it: the
# built m_jar with its time faked by libfaketime, a stand-in xdg-open that
# records what it is handed, and
#
#   watch_buses_e2e.sh deaf     a Unix socket that takes connections and never
#                               answers, as the session and the system bus: the
#                               first run ends within seconds, the watch stays
#                               on and makes the run after midnight, SIGTERM
#                               ends it at once
#   watch_buses_e2e.sh notices  a private X server and session bus, a hand-over
#                               that fails at the login run: with no
#                               notification server, or one that never
#                               answers, its problems show in one box, as in a
#                               plain run; with one that answers, in the notice
#
# Exit status 77 means the part could not be run here (the reason is printed).
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
stub=${NOTIFICATION_STUB:?set NOTIFICATION_STUB to the stand-in notification server}
part=${1:-deaf}
source "$(dirname "$0")/../../tests/e2e_lib.sh"
require_tools python3 dbus-daemon
require_libfaketime

make_tmp
capsule=$tmp/capsule
config=$tmp/config
log=$tmp/opened.log
notices=$tmp/notices.log
mkdir -p "$tmp/bin" "$config" "$tmp/runtime" "$capsule/TOMORROW"
chmod 700 "$tmp/runtime"
: >"$log"
: >"$notices"

count_opened() { grep -c -- "$1" "$log"; }
opened_times() { [[ $(count_opened "$1") == "$2" ]]; }  # FILE COUNT
stored_is() { [[ $(read_record "$config/M_Jar.conf" "$capsule") == "$1" ]]; }
alive() { kill -0 "$1" 2>/dev/null; }
set_time() { echo "@$1" >"$tmp/faketime"; }

# The watch, in the background: `watcher` is its process. Its environment
# comes from the caller's variables SESSION_BUS, SYSTEM_BUS and the display.
start_watch() {  # ARGUMENT...
  env PATH="$tmp/bin:$PATH" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$tmp/runtime" \
    DBUS_SESSION_BUS_ADDRESS="$SESSION_BUS" DBUS_SYSTEM_BUS_ADDRESS="$SYSTEM_BUS" \
    LD_PRELOAD="$libfaketime" FAKETIME_TIMESTAMP_FILE="$tmp/faketime" FAKETIME_NO_CACHE=1 \
    NO_FAKE_STAT=1 DONT_FAKE_MONOTONIC=1 \
    "$m_jar" --watch 0 "$@" "$capsule" 2>"$tmp/stderr" &
  watcher=$!
  pids+=($watcher)
}

start_deaf_socket() {
  # Takes every connection and keeps it open without reading or writing.
  python3 - "$tmp/deaf.socket" <<'PY' &
import socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(64)
held = []
while True:
    held.append(server.accept()[0])
PY
  pids+=($!)
  wait_for 5 test -S "$tmp/deaf.socket" || { echo "FAIL: the deaf socket did not come"; exit 1; }
}

deaf() {
  start_deaf_socket
  stand_in_xdg_open "$tmp/bin" "$log"
  echo message >"$capsule/root.txt"
  echo message >"$capsule/TOMORROW/a.txt"
  touch -d "2031-03-12 12:00" "$capsule/TOMORROW/a.txt"
  SESSION_BUS=unix:path=$tmp/deaf.socket SYSTEM_BUS=unix:path=$tmp/deaf.socket
  set_time "2031-03-12 23:59:48"
  unset DISPLAY WAYLAND_DISPLAY
  QT_QPA_PLATFORM=offscreen start_watch

  check "the first run opens the root file within seconds" wait_for 5 opened_times root.txt 1
  check "the first run stores its day" wait_for 3 stored_is 2031/03/12
  check "the silent session bus is told once on stderr" wait_for 10 \
    grep -q "the session bus took the connection but did not answer" "$tmp/stderr"
  check "the silent system bus is told once on stderr" wait_for 10 \
    grep -q "the system bus took the connection but did not answer" "$tmp/stderr"
  check "the watch stays on" alive "$watcher"
  # The first run's notice met the silent session bus; the run after
  # midnight still comes.
  check "after midnight the TOMORROW note opens" wait_for 20 opened_times TOMORROW/a.txt 1
  check "after midnight the new day is stored" wait_for 3 stored_is 2031/03/13
  check "each bus told once: $(cat "$tmp/stderr")" \
    test "$(grep -c 'did not answer' "$tmp/stderr")" == 2
  kill -TERM "$watcher"
  local ended=1
  ended_in_time "$watcher" && ended=0
  check "SIGTERM ends the watch with status 0" test "$ended" == 0
}

notices() {
  require_tools Xvfb xdotool
  start_xvfb "$tmp"
  dbus-daemon --session --nofork --print-address=1 >"$tmp/session.address" 2>/dev/null &
  pids+=($!)
  wait_for 5 test -s "$tmp/session.address" || { echo "FAIL: dbus-daemon did not start"; exit 1; }
  SESSION_BUS=$(head -n1 "$tmp/session.address")
  SYSTEM_BUS=unix:path=$tmp/no-system-bus
  # A desktop without a program for the file: the hand-over fails.
  cat >"$tmp/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$1" >>"$log"
echo "xdg-open: no method available for opening '\$1'" >&2
exit 3
STUB
  chmod +x "$tmp/bin/xdg-open"
  echo message >"$capsule/root.txt"
  set_time "2031-03-12 10:00:00"
  box_of() { xdotool search --onlyvisible --pid "$1" --name '^Morrowjar$' >/dev/null 2>&1; }
  box_shown() { box_of "$watcher"; }
  no_box() { ! box_shown; }
  end_watch() {
    kill -TERM "$watcher" 2>/dev/null
    ended_in_time "$watcher" >/dev/null || kill -KILL "$watcher" 2>/dev/null
  }

  # 0. A session bus that never answers: Qt's windows would wait on it for
  #    ever (for the accessibility services); the run still ends within
  #    seconds, the plain run too, and the problem shows in the box.
  start_deaf_socket
  local real_session_bus=$SESSION_BUS
  SESSION_BUS=unix:path=$tmp/deaf.socket
  start_watch
  check "a deaf session bus with a display: the login run opens its file" \
    wait_for 10 opened_times root.txt 1
  check "a deaf session bus with a display: the problem shows in a box" wait_for 15 box_shown
  end_watch
  env PATH="$tmp/bin:$PATH" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$tmp/runtime" \
    DBUS_SESSION_BUS_ADDRESS="$SESSION_BUS" DBUS_SYSTEM_BUS_ADDRESS="$SYSTEM_BUS" \
    "$m_jar" 0 "$capsule" 2>/dev/null &
  local plain=$!
  pids+=($plain)
  check "a deaf session bus with a display: a plain run gets to its box" \
    wait_for 15 box_of "$plain"
  kill -KILL "$plain" 2>/dev/null
  SESSION_BUS=$real_session_bus

  # 1. No notification server on the session bus: the box.
  start_watch
  check "no notification server: the run's problem shows in a box" wait_for 15 box_shown
  end_watch

  # 2. A notification server that takes the call and never answers: the box,
  #    once the notice has waited its few seconds.
  : >"$notices"
  DBUS_SESSION_BUS_ADDRESS=$SESSION_BUS "$stub" "$notices" --silent &
  local server=$!
  pids+=($server)
  wait_for 5 notification_server_up "$SESSION_BUS" ||
    { echo "FAIL: the stand-in notification server did not start"; exit 1; }
  start_watch
  check "a silent notification server is sent the notice" wait_for 10 test -s "$notices"
  check "a silent notification server: the problem shows in a box" wait_for 15 box_shown
  end_watch
  kill "$server"
  wait "$server" 2>/dev/null

  # 3. A notification server that answers: the notice, and no box.
  : >"$notices"
  DBUS_SESSION_BUS_ADDRESS=$SESSION_BUS "$stub" "$notices" &
  pids+=($!)
  wait_for 5 notification_server_up "$SESSION_BUS" ||
    { echo "FAIL: the stand-in notification server did not start"; exit 1; }
  start_watch
  check "a notification server takes the notice of the problem" wait_for 10 \
    grep -q "root.txt" "$notices"
  # The box would follow the server's answer inside the watch, which shows
  # nothing outside it when it shows no box: so a fixed wait, long beside
  # the answer of a stand-in server that answers at once.
  sleep 2
  check "with a notice taken there is no box" no_box
  end_watch
}

action() {
  dbus-daemon --session --nofork --print-address=1 >"$tmp/session.address" 2>/dev/null &
  pids+=($!)
  wait_for 5 test -s "$tmp/session.address" || { echo "FAIL: dbus-daemon did not start"; exit 1; }
  SESSION_BUS=$(head -n1 "$tmp/session.address")
  SYSTEM_BUS=unix:path=$tmp/no-system-bus
  DBUS_SESSION_BUS_ADDRESS=$SESSION_BUS "$stub" "$notices" &
  pids+=($!)
  stand_in_xdg_open "$tmp/bin" "$log"
  # Served through the 10th; the note of the 10th came due on the 11th, a
  # day without a run, and TOMORROW has no "+": it is passed over on the 12th.
  echo message >"$capsule/TOMORROW/passed.txt"
  touch -d "2031-03-10 12:00" "$capsule/TOMORROW/passed.txt"
  write_record "$config/M_Jar.conf" "$capsule" 2031/03/10
  set_time "2031-03-12 10:00:00"
  unset DISPLAY WAYLAND_DISPLAY
  wait_for 5 notification_server_up "$SESSION_BUS" ||
    { echo "FAIL: the stand-in notification server did not start"; exit 1; }
  QT_QPA_PLATFORM=offscreen start_watch
  check "the notice tells of the passed-over message" wait_for 10 grep -q "passed.txt" "$notices"
  check "the passed-over message is not opened unasked" test "$(count_opened passed.txt)" == 0
  # Another program on the bus sends the signal: nothing opens.
  dbus-send --bus="$SESSION_BUS" --type=signal /org/freedesktop/Notifications \
    org.freedesktop.Notifications.ActionInvoked uint32:1 string:open
  # Opening nothing shows nothing outside the watch: a fixed wait, long
  # beside the bus's delivery of one signal.
  sleep 1
  check "the signal of another program opens nothing" test "$(count_opened passed.txt)" == 0
  # The server that took the notice (numbered from 1) sends it.
  choose() {
    dbus-send --bus="$SESSION_BUS" --print-reply --dest=org.freedesktop.Notifications \
      /org/freedesktop/Notifications org.freedesktop.Notifications.Choose uint32:1 string:open \
      >/dev/null
  }
  choose
  check "choosing Open opens it" wait_for 10 opened_times passed.txt 1
  choose
  # As for the signal above: nothing to wait for when nothing opens.
  sleep 1
  check "the offer counts once" test "$(count_opened passed.txt)" == 1
}

case "$part" in
  deaf) deaf ;;
  notices) notices ;;
  action) action ;;
  *)
    echo "usage: $0 deaf|notices|action" >&2
    exit 2
    ;;
esac
summary
