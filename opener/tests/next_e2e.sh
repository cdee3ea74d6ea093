#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `m_jar --next` against the opener's own dry run: for files stored on one day
# in folders of many forms, the days on which a dry run with one run each day
# (--today D --prev D-1) queues a file are exactly the days --next names.
# With the day of storing already served (--served-through), they are the
# days of the dry runs from the day after on.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
source "$(dirname "$0")/../../tests/e2e_lib.sh"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
capsule=$tmp/capsule
stored=2026-12-07
span=400  # days judged, from the day of storing on

names=("TOMORROW" "TOMORROW=3" "12-25" "E" "E3" "7" "15-" "EVERY MONTH" "EVERYDAY3"
  "SUNDAY@2" "SUNDAY@2-" "MONDAY=2" "YEAR1" "MONTH2=5" "2-29" "2027-01-05=3" "DAY10" "FOO"
  "WEEK2-" "1-E" "12-24+" "26-12-" "EVERY WEEK 2=3")
for name in "${names[@]}"; do
  mkdir -p "$capsule/$name"
  echo "message" >"$capsule/$name/note.txt"
  touch -d "$stored 12:00" "$capsule/$name/note.txt"
done

# Day number i (0 = the day of storing) as YYYY-MM-DD.
day() { date -d "$stored + $1 day" +%F; }

# What the dry runs queue: one line "FOLDER DAY" per queued note.
: >"$tmp/queued"
for ((i = 0; i < span; i++)); do
  d=$(day "$i")
  "$m_jar" --dry-run --json --today "$d" --prev "$(day $((i - 1)))" "$capsule" |
    grep -o '"path":"[^"]*/note.txt"' | sed -e "s|\"path\":\"$capsule/||" -e "s|/note.txt\"| $d|" \
      >>"$tmp/queued"
done

last=$(day $((span - 1)))
# The days --next names for NAME with the extra options, up to the last day judged.
next_days() {  # NAME OPTIONS...
  local name=$1 json expected every
  shift
  json=$("$m_jar" --next --json --today "$stored" --count 1000 "$@" -- "$name")
  expected=$(grep -o '"openings":\[[^]]*\]' <<<"$json" | grep -o '[0-9-]\{10\}' |
    awk -v last="$last" '$0 <= last')
  every=$(grep -o '"every_run_from":"[0-9-]*"' <<<"$json" | grep -o '[0-9-]\{10\}')
  if [[ -n $every ]]; then
    for ((i = 0; i < span; i++)); do
      d=$(day "$i")
      [[ $d > $every ]] && expected+=$'\n'$d
    done
  fi
  sed '/^$/d' <<<"$expected" | sort -u
}
for name in "${names[@]}"; do
  expected=$(next_days "$name")
  actual=$(awk -v n="$name" '{ d = $NF; $NF = ""; sub(/ $/, ""); if ($0 == n) print d }' \
    "$tmp/queued" | sort -u)
  check "--next agrees with the dry runs for \"$name\": expected [$(tr '\n' ' ' <<<"$expected")] got [$(tr '\n' ' ' <<<"$actual")]" \
    test "$expected" == "$actual"

  # Stored after the run of its day: the runs from the next day on.
  expected=$(next_days "$name" --served-through "$stored")
  actual=$(grep -v " $stored\$" "$tmp/queued" |
    awk -v n="$name" '{ d = $NF; $NF = ""; sub(/ $/, ""); if ($0 == n) print d }' | sort -u)
  check "--next after the day's run agrees with the dry runs from the next day for \"$name\": expected [$(tr '\n' ' ' <<<"$expected")] got [$(tr '\n' ' ' <<<"$actual")]" \
    test "$expected" == "$actual"
done
json=$("$m_jar" --next --json --today "$stored" --served-through "$stored" -- MONDAY)
check "--next says from which day it counted" grep -q "\"counted_from\":\"$(day 1)\"" <<<"$json"
json=$("$m_jar" --next --json --today "$stored" --served-through "$(day -1)" -- MONDAY)
check "--next counts from today when only yesterday is served" \
  grep -q "\"counted_from\":\"$stored\"" <<<"$json"
summary
