#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the built m_jar for real on a temporary capsule, with today fixed by
# faketime, a temporary settings folder, no display and a stand-in xdg-open
# that records what it is asked to open, and checks what opens in which order.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
# The reports in English, whatever the machine's locale.
unset LANGUAGE LC_MESSAGES
export LC_ALL=C.UTF-8
command -v faketime >/dev/null || { echo "FAIL: faketime is not installed"; exit 1; }

tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
capsule=$tmp/capsule
config=$tmp/config
log=$tmp/opened.log
mkdir -p "$tmp/bin" "$config"
cat >"$tmp/bin/xdg-open" <<STUB
#!/bin/sh
echo "\$(pwd)|\$1" >>"$log"
STUB
chmod +x "$tmp/bin/xdg-open"
source "$(dirname "$0")/../../tests/e2e_lib.sh"


make_file() {  # RELATIVE-PATH "LOCAL TIME"
  mkdir -p "$(dirname "$capsule/$1")"
  echo "message" >"$capsule/$1"
  touch -d "$2" "$capsule/$1"
}

# The way the opener is started at a login, but on a fixed day: the clock
# runs on from that moment (the frozen form would stop the timer), file times
# stay real, and there is no display.
at_day() {  # "YYYY-MM-DD hh:mm:ss" COMMAND...
  local when=$1
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY PATH="$tmp/bin:$PATH" XDG_CONFIG_HOME="$config" \
    NO_FAKE_STAT=1 DONT_FAKE_MONOTONIC=1 timeout 60 faketime "$when" "$@"
}

# Runs the opener and prints the paths handed to xdg-open, one per line.
real_run() {  # "YYYY-MM-DD hh:mm:ss" EXPECTED-COUNT
  : >"$log"
  at_day "$1" "$m_jar" 1 "$capsule" 2>"$tmp/stderr"
  local status=$?
  ((status == 0)) || fail "m_jar on $1 ended with status $status"
  # xdg-open was started detached: give the last one a moment to write.
  for _ in $(seq 50); do
    (($(wc -l <"$log") >= $2)) && break
    sleep 0.1
  done
  cut -d'|' -f2- "$log"
}

dry_run() {  # "YYYY-MM-DD hh:mm:ss"
  at_day "$1" "$m_jar" --dry-run "$capsule" | grep -v '^#' | cut -f1
}

expect_list() {  # LABEL ACTUAL EXPECTED...
  local label=$1 actual=$2
  shift 2
  local expected
  expected=$(printf "$capsule/%s\n" "$@")
  [[ $actual == "$expected" ]] || fail "$label: opened
$actual
instead of
$expected"
}

# The capsule. Today is 12 March 2031 for the first runs.
make_file "b_root.txt" "2030-01-01 12:00"
make_file "A_root.txt" "2030-01-01 12:00"
make_file "TOMORROW/old.txt" "2031-03-09 12:00"
make_file "TOMORROW/today.txt" "2031-03-12 08:00"
make_file "TOMORROW/y1.txt" "2031-03-11 00:00"
make_file "TOMORROW/Y2.txt" "2031-03-11 23:59:59"
make_file "12/d.txt" "2031-01-01 12:00"
make_file "EVERYDAY/e.txt" "2031-03-10 07:00"
make_file "3-10+/missed.txt" "2031-03-01 12:00"
make_file ".12/hidden_folder.txt" "2031-03-01 12:00"
make_file "12=1/read_only_folder.txt" "2031-03-01 12:00"
chmod a-w "$capsule/12=1"
mkdir -p "$capsule/98-2-30"  # looks like a date and is none: reported, the run goes on

day_one=(A_root.txt b_root.txt 12/d.txt EVERYDAY/e.txt TOMORROW/y1.txt TOMORROW/Y2.txt)

# An empty capsule: nothing opens, the run ends at the first tick.
mkdir -p "$tmp/empty"
: >"$log"
at_day "2031-03-12 10:00:00" "$m_jar" "$tmp/empty" 2>/dev/null || fail "empty capsule run failed"
[[ ! -s $log ]] || fail "an empty capsule opened $(cat "$log")"
# A capsule root given on the command line that is not there: nothing opens,
# that is said in words, and the day is not marked as done.
rm -f "$config/M_Jar.conf"
at_day "2031-03-12 10:00:00" "$m_jar" "$tmp/missing" 2>"$tmp/stderr" || fail "run on a missing root failed"
[[ ! -s $log ]] || fail "a missing capsule opened $(cat "$log")"
grep -qF "Morrowjar: Capsule root $tmp/missing is not there." "$tmp/stderr" ||
  fail "a missing capsule root was not reported: $(cat "$tmp/stderr")"
[[ ! -e $config/M_Jar.conf ]] || fail "a run on a missing capsule root stored a date"
# The default capsule root missing is a user without a capsule yet: silence,
# and still no date.
mkdir -p "$tmp/home"
HOME=$tmp/home at_day "2031-03-12 10:00:00" "$m_jar" 2>"$tmp/stderr" || fail "run without a capsule failed"
! grep -q '^Morrowjar:' "$tmp/stderr" || fail "a missing default capsule was reported: $(cat "$tmp/stderr")"
[[ ! -e $config/M_Jar.conf ]] || fail "a run without a capsule stored a date"

# The dry run lists what the real run then opens, in the same order, and
# stores nothing.
planned=$(dry_run "2031-03-12 10:00:00")
[[ ! -e $config/M_Jar.conf ]] || fail "the dry run stored a prev_date"
opened=$(real_run "2031-03-12 10:00:00" ${#day_one[@]})
expect_list "first run" "$opened" "${day_one[@]}"
[[ $planned == "$opened" ]] || fail "dry run planned
$planned
but the run opened
$opened"
grep -q '^prev_date=2031/03/12$' "$config/M_Jar.conf" || fail "prev_date not stored: $(cat "$config/M_Jar.conf")"
grep -qF "Morrowjar: Folder \"98-2-30\" in $capsule: 30 February 1998 does not exist. Rename the folder to a real date." "$tmp/stderr" ||
  fail "the folder 98-2-30 was not reported: $(cat "$tmp/stderr")"
# The programs start in the due folder made current last.
[[ $(cut -d'|' -f1 "$log" | sort -u) == "$capsule/TOMORROW" ]] ||
  fail "working folder: $(cut -d'|' -f1 "$log" | sort -u)"

# A second run the same day: the day's folders open again, TOMORROW still only
# by the files' dates.
opened=$(real_run "2031-03-12 18:00:00" ${#day_one[@]})
expect_list "second run the same day" "$opened" "${day_one[@]}"

# Four days after the previous run: the missed 10 March falls due through "+".
sed -i 's|^prev_date=.*|prev_date=2031/03/08|' "$config/M_Jar.conf"
opened=$(real_run "2031-03-12 10:00:00" 7)
expect_list "run after missed days" "$opened" A_root.txt b_root.txt 12/d.txt 3-10+/missed.txt \
  EVERYDAY/e.txt TOMORROW/y1.txt TOMORROW/Y2.txt

# The next day: yesterday's TOMORROW file opens, the 12th is over.
planned=$(dry_run "2031-03-13 09:00:00")
opened=$(real_run "2031-03-13 09:00:00" 4)
expect_list "next day" "$opened" A_root.txt b_root.txt EVERYDAY/e.txt TOMORROW/today.txt
[[ $planned == "$opened" ]] || fail "dry run on the next day planned $planned"
grep -q '^prev_date=2031/03/13$' "$config/M_Jar.conf" || fail "prev_date not moved on"

# A stored prev_date that is no date is reported and the run goes on.
sed -i 's|^prev_date=.*|prev_date=someday|' "$config/M_Jar.conf"
opened=$(real_run "2031-03-13 09:00:00" 4)
expect_list "after a broken prev_date" "$opened" A_root.txt b_root.txt EVERYDAY/e.txt \
  TOMORROW/today.txt
grep -qF 'cannot be read (prev_date is not a date: "someday"). This run counts today as its only day.' "$tmp/stderr" ||
  fail "a broken prev_date was not reported: $(cat "$tmp/stderr")"

summary
