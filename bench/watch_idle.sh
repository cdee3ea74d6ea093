#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What `m_jar --watch` costs while it waits for the next change of day: its
# CPU time and its wake-ups (context switches of all its threads) over an
# idle minute, and its resident memory against a plain run on an empty
# capsule. No display (Qt's offscreen platform), a private session bus.
# With a time zone and a local time, the clock is faked by libfaketime to
# start there: the day before a daylight-saving change that skips midnight,
# for example, counts the wake-ups of such a day (the main thread, where the
# timers fire, separately).
#   bench/watch_idle.sh [BUILD-DIR] [SECONDS] [ZONE 'YYYY-MM-DD HH:MM:SS']
#   (defaults: build-bench, 60, the real clock and zone)
#   bench/watch_idle.sh build 60 America/Havana '2027-03-13 12:00:00'
set -euo pipefail
build=${1:-build-bench}
seconds=${2:-60}
zone=${3:-}
start=${4:-}
m_jar=$build/opener/m_jar
[[ -x $m_jar ]] || { echo "missing $m_jar: run bench/run first" >&2; exit 2; }

tmp=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$tmp"' EXIT
mkdir -p "$tmp/capsule" "$tmp/config" "$tmp/runtime"
chmod 700 "$tmp/runtime"
export XDG_CONFIG_HOME=$tmp/config XDG_RUNTIME_DIR=$tmp/runtime QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY
if command -v dbus-daemon >/dev/null; then
  dbus-daemon --session --nofork --print-address=1 >"$tmp/bus" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 50); do [[ -s $tmp/bus ]] && break; sleep 0.1; done
  DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$tmp/bus")
  export DBUS_SESSION_BUS_ADDRESS
fi

# Sum of a field over all threads of a process.
thread_sum() {  # PID FIELD-NAME
  cat /proc/"$1"/task/*/status 2>/dev/null | awk -v f="$2:" '$1 == f { s += $2 } END { print s + 0 }'
}
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
wakeups() { echo $(($(thread_sum "$1" voluntary_ctxt_switches) + $(thread_sum "$1" nonvoluntary_ctxt_switches))); }
main_wakeups() { awk '/ctxt_switches/ { s += $2 } END { print s + 0 }' "/proc/$1/task/$1/status"; }

faked=()
if [[ -n $zone ]]; then
  libfaketime=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n1)
  [[ -n $libfaketime ]] || { echo "libfaketime is missing (package faketime)" >&2; exit 2; }
  echo "@$start" >"$tmp/faketime"
  faked=(env TZ="$zone" LD_PRELOAD="$libfaketime" FAKETIME_TIMESTAMP_FILE="$tmp/faketime"
    NO_FAKE_STAT=1 DONT_FAKE_MONOTONIC=1)
fi

"${faked[@]}" "$m_jar" --watch 0 "$tmp/capsule" 2>/dev/null &
watcher=$!
pids+=($watcher)
sleep 3  # the first run, and Qt's start, are over
ticks0=$(cpu_ticks "$watcher")
wakes0=$(wakeups "$watcher")
main0=$(main_wakeups "$watcher")
sleep "$seconds"
ticks1=$(cpu_ticks "$watcher")
wakes1=$(wakeups "$watcher")
main1=$(main_wakeups "$watcher")
hz=$(getconf CLK_TCK)
rss_watch=$(awk '/^VmRSS:/ { print $2 }' "/proc/$watcher/status")
threads=$(ls "/proc/$watcher/task" | wc -l)

plain_rss=$(/usr/bin/time -f %M "$m_jar" 0 "$tmp/capsule" 2>&1 >/dev/null | tail -n1)

echo "watch, idle for $seconds s${zone:+ from $start in $zone}: CPU $(((ticks1 - ticks0) * 1000 / hz)) ms," \
  "$((wakes1 - wakes0)) context switches over $threads threads ($((main1 - main0)) of the main thread)"
echo "resident memory: watch $((rss_watch / 1024)) MiB after its first run;" \
  "a plain run on an empty capsule peaks at $((plain_rss / 1024)) MiB"
