#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the built m_jar --explain and checks its answers and exit statuses.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
source "$(dirname "$0")/../../tests/e2e_lib.sh"

expect_json() {  # NAME TODAY MISSED EXPECTED-FRAGMENT...
  local name=$1 today=$2 missed=$3
  shift 3
  local out
  out=$("$m_jar" --explain --today "$today" --missed-days "$missed" --json -- "$name")
  for fragment in "$@"; do
    if [[ $out == *"$fragment"* ]]; then
      pass
    else
      fail "$name on $today: no $fragment in $out"
    fi
  done
}

expect_status() {  # STATUS ARGS...
  local want=$1
  shift
  "$m_jar" "$@" >/dev/null 2>/tmp/m_jar_e2e_err.$$
  local got=$?
  if [[ $got == "$want" ]]; then
    pass
  else
    fail "m_jar $* exited $got, not $want"
  fi
  rm -f /tmp/m_jar_e2e_err.$$
}

expect_json "Sunday@2=3+-" 1998-12-16 4 '"rule":"SUNDAY"' '"stays_due":true' '"catch_up":true' \
  '"days":3' '"window_days":6' '"week_of_month":2' '"test":"after"' '"due":"all_files"'
expect_json TOMORROW 1998-12-16 0 '"due":"files_within"' '"from":"1998-12-15"' '"to":"1998-12-15"'
expect_json "EVERY MONTH 3" 1998-12-16 0 '"due":"repeating"' '"repeat_every":3' '"from":"1998-12-16"'
expect_json YEAR1 1998-12-16 0 '"due":"files_up_to"' '"from":"1997-12-16"'
expect_json "DAY3=2" 1998-12-16 0 '"due":"files_within"' '"from":"1998-12-12"' '"to":"1998-12-13"'
expect_json "MONDAY=3" 1998-12-16 0 '"due":"all_files"'
expect_json MONDAY 1998-12-16 0 '"due":"no"' '"from":null' '"to":null'
expect_json "12-14+" 1998-12-16 2 '"due":"all_files"'
expect_json "98-12-16" 1998-12-16 0 '"due":"all_files"' '"failures":[]'
expect_json "E20-" 1998-12-16 0 '"due":"all_files"' '"test":"after"'
expect_json "98-2-30" 1998-12-16 0 '"due":"no"' '"code":13'
expect_json "EVERYDAY40000" 1998-12-16 0 '"due":"no"' '"repeat_every":0' '"code":6'
expect_json "-" 1998-12-16 0 '"rule":""' '"stays_due":true' '"due":"all_files"'

expect_text() {  # NAME TODAY EXPECTED-LINE
  local out
  out=$("$m_jar" --explain --today "$2" -- "$1")
  if grep -qxF -- "$3" <<<"$out"; then
    pass
  else
    fail "$1 on $2: no line '$3' in: $out"
  fi
}
expect_text TOMORROW 1998-12-16 '"TOMORROW" reads as: each file on the day after it was stored.'
expect_text TOMORROW 1998-12-16 'On Wed 16 Dec 1998: due: files stored on Tue 15 Dec 1998.'
expect_text "SUNDAY@2" 1998-12-16 '"SUNDAY@2" reads as: on the 2nd Sunday of each month.'

expect_status 0 --help
expect_status 0 --version
expect_status 0 --explain TOMORROW
expect_status 2 --explain
expect_status 2 --explain --today 1998-13-01 TOMORROW
expect_status 2 --explain --bogus TOMORROW

# Help after --watch is the help, not a watcher on a capsule called --help:
# the program prints it and ends (a watcher would still run at the limit).
help=$(timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
  "$m_jar" --watch --help 2>&1)
status=$?
if [[ $status == 0 && $help == "Usage: m_jar [DELAY][LOCATION]"* ]]; then
  pass
else
  fail "m_jar --watch --help exited $status (124: still watching), printed: ${help:0:200}"
fi

summary
