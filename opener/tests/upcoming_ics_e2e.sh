#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `m_jar --upcoming --ics` read back by python3-icalendar: its events agree
# day by day with `--upcoming --json`, and a second export keeps the UIDs.
# Exit status 77 means python3-icalendar is not installed.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
here=$(dirname "$0")
# Debian's own interpreter, the one python3-icalendar installs for (a python3
# found first on the PATH may be another).
python=/usr/bin/python3
"$python" -c 'import icalendar' 2>/dev/null ||
  { echo "SKIP: python3-icalendar is not installed"; exit 77; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
capsule=$tmp/capsule
export XDG_CONFIG_HOME=$tmp/config
export LANG=C.UTF-8 LC_ALL= LC_MESSAGES= LANGUAGE=  # the summaries are read in English
message() {  # FILE TIME
  mkdir -p "$(dirname "$1")"
  echo "message" >"$1"
  touch -d "$2" "$1"
}
message "$capsule/loose.txt" "2026-12-01 08:00"
message "$capsule/TOMORROW/note.txt" "2026-12-06 08:00"
message "$capsule/TOMORROW/later.txt" "2026-12-20 08:00"
message "$capsule/E/month end.txt" "2026-01-01 08:00"
message "$capsule/12-25+/gift.txt" "2026-11-01 08:00"
message "$capsule/12-25+/card, with; marks.txt" "2026-11-02 08:00"
message "$capsule/EVERY MONTH/bill.txt" "2026-11-10 08:00"
message "$capsule/SUNDAY/walk.txt" "2026-11-10 08:00"

args=(--upcoming 90 --today 2026-12-07 "$capsule")
"$m_jar" "${args[@]}" --ics >"$tmp/first.ics" || { echo "FAIL: --ics exited $?"; exit 1; }
"$m_jar" "${args[@]}" --ics >"$tmp/second.ics" || { echo "FAIL: --ics exited $?"; exit 1; }
"$m_jar" "${args[@]}" --json >"$tmp/upcoming.json" || { echo "FAIL: --json exited $?"; exit 1; }
"$python" "$here/ics_agreement.py" "$tmp/first.ics" "$tmp/second.ics" "$tmp/upcoming.json"
