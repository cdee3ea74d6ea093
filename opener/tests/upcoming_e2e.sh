#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `m_jar --upcoming` against the opener's own dry run.
#
#   upcoming_e2e.sh agreement    over a generated capsule, the files --upcoming
#                                counts per folder and day are exactly those a
#                                dry run with one run each day (--today D
#                                --prev D-1) queues; the folders it names as
#                                never opening again and its future files
#   upcoming_e2e.sh permissions  a folder its user cannot read is named as
#                                never opening, with why; as root the programs
#                                run as the user nobody
#
# Exit status 77 means the part could not be run here (the reason is printed).
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
part=${1:-agreement}
source "$(dirname "$0")/../../tests/e2e_lib.sh"

tmp=$(mktemp -d)
trap 'chmod -R u+rwx "$tmp" 2>/dev/null; rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
capsule=$tmp/capsule
start=2026-12-07
export XDG_CONFIG_HOME=$tmp/config  # no stored date of a real capsule is read

# Day number i (0 = the start day) as YYYY-MM-DD.
day() { date -d "$start + $1 day" +%F; }

# FILE TIME: a message last modified at TIME.
message() {
  mkdir -p "$(dirname "$1")"
  echo "message" >"$1"
  touch -d "$2" "$1"
}

if [[ $part == permissions ]]; then
  drop_privileges "$tmp"
  m_jar=$(reachable_binary "$m_jar" "$tmp")
  message "$capsule/TOMORROW/note.txt" "$start 08:00"
  message "$capsule/12-24/locked.txt" "2026-11-01 08:00"
  own "$capsule"
  chmod 300 "$capsule/12-24"  # writable, so still a schedule folder, but not listable
  json=$("${as_user[@]}" "$m_jar" --upcoming 5 --json --today "$start" "$capsule")
  check "the unreadable folder is named as never opening: $json" \
    grep -q '"never":\[{"name":"12-24","why":"its files cannot be listed: [^"]*Permission denied)"}\]' \
    <<<"$json"
  check "and reported among the failures" grep -q '"failures":\[{"code":75,' <<<"$json"
  check "the readable folder still counts" \
    grep -q '{"date":"2026-12-08","folders":\[{"name":"TOMORROW","files":1}\]}' <<<"$json"
  summary
  exit
fi

span=100  # days judged, from the start day on
names=("TOMORROW" "TOMORROW=3" "TOMORROW-" "12-25" "12-24+" "E" "E3" "7" "15-" "1-E"
  "EVERY MONTH" "EVERYDAY3" "EVERY WEEK 2=3" "EVERY YEAR" "SUNDAY@2" "SUNDAY@2-" "MONDAY=2"
  "YEAR1" "MONTH2=5" "DAY10" "WEEK2-" "2027-01-05=3" "notes" "1998-12-25" "98-2-30" "FOO"
  "2-30")
times=("2025-12-25 10:00" "2026-01-31 23:59" "2026-02-14 07:00" "2026-11-30 08:00"
  "2026-12-06 12:00" "2026-12-07 06:00")
for name in "${names[@]}"; do
  for i in "${!times[@]}"; do message "$capsule/$name/note $i.txt" "${times[i]}"; done
done
mkdir -p "$capsule/2-29"  # empty: opens nothing, yet comes round in 2028
message "$capsule/root note.txt" "2026-12-01 09:00"
message "$capsule/TOMORROW/later.txt" "2027-06-01 10:00"

# What the dry runs queue: one line "DAY|FOLDER|FILES" per folder and day
# ("" for the capsule root's own files).
for ((i = 0; i < span; i++)); do
  d=$(day "$i")
  "$m_jar" --dry-run --json --today "$d" --prev "$(day $((i - 1)))" "$capsule" |
    grep -o '"folder":\("[^"]*"\|null\)' | sed -e 's/^"folder":null$//' -e 's/^"folder":"\(.*\)"$/\1/' |
    sort | uniq -c | sed -E "s/^ *([0-9]+) (.*)$/$d|\2|\1/"
done | sort >"$tmp/queued"

"$m_jar" --upcoming "$span" --json --today "$start" "$capsule" >"$tmp/upcoming.json"
grep -o '{"date":"[0-9-]*","folders":\[[^]]*\]}' "$tmp/upcoming.json" | while read -r block; do
  d=$(grep -o '"date":"[0-9-]*"' <<<"$block" | cut -d'"' -f4)
  grep -o '"name":"[^"]*","files":[0-9]*' <<<"$block" |
    sed -E "s/^\"name\":\"([^\"]*)\",\"files\":([0-9]+)$/$d|\1|\2/"
done | sort >"$tmp/counted"

check "the dry runs queue files on many days" test "$(wc -l <"$tmp/queued")" -gt 300
check "--upcoming counts what the dry runs queue, day by day and folder by folder:
$(diff "$tmp/queued" "$tmp/counted")" cmp -s "$tmp/queued" "$tmp/counted"
check "one entry per day" test "$(grep -o '{"date":' "$tmp/upcoming.json" | wc -l)" -eq "$span"

never=$(grep -o '"never":\[.*\],"future_files"' "$tmp/upcoming.json" |
  grep -o '"name":"[^"]*"' | cut -d'"' -f4 | sort | tr '\n' ' ')
check "never: the past date, the names that are no schedule or no day [$never]" \
  test "$never" == "1998-12-25 2-30 98-2-30 FOO "
check "a folder named as never opening opens nothing in the dry runs" \
  bash -c "! grep -qE '\|(1998-12-25|2-30|98-2-30|FOO)\|' '$tmp/queued'"
check "the file dated next year is a future file" grep -q \
  "\"future_files\":\[{\"path\":\"$capsule/TOMORROW/later.txt\",\"modified\":\"2027-06-01 10:00:00\"}\]" \
  "$tmp/upcoming.json"

summary
