#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# When the opener counts a day as done, run for real: the built m_jar on a
# temporary capsule with today fixed by faketime (the clock running on), a
# temporary settings folder, no display, and a stand-in xdg-open that records
# what it is handed and can end the run after the first file, as a logout or
# a crash would.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
source "$(dirname "$0")/../../tests/e2e_lib.sh"
require_tools faketime pkill

tmp=$(mktemp -d)
# Only this script's runs: other tests may run m_jar at the same time.
trap 'pkill -KILL -f "^$m_jar .*$tmp/" 2>/dev/null; rm -rf "$tmp"' EXIT
capsule=$tmp/capsule
config=$tmp/config
log=$tmp/opened.log
mkdir -p "$tmp/bin" "$tmp/nobin" "$config" "$tmp/runtime"
chmod 700 "$tmp/runtime"
cat >"$tmp/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$1" >>"$log"
if [ -n "\${END_RUN_WITH:-}" ] && [ "\$(wc -l <"$log")" -eq 1 ]; then
  pkill -"\$END_RUN_WITH" -f "^$m_jar .*$capsule"
fi
STUB
chmod +x "$tmp/bin/xdg-open"
# A PATH where m_jar finds no xdg-open: only the date tool that faketime
# reads its time with; the tools below are called by their full names.
ln -s "$(command -v date)" "$tmp/nobin/date"
timeout_tool=$(command -v timeout)
faketime_tool=$(command -v faketime)

make_file() {  # RELATIVE-PATH "LOCAL TIME"
  mkdir -p "$(dirname "$capsule/$1")"
  echo "message" >"$capsule/$1"
  touch -d "$2" "$capsule/$1"
}
store_prev_date() { write_record "$config/M_Jar.conf" "$capsule" "$1"; }
stored_prev_date() { read_record "$config/M_Jar.conf" "$capsule"; }

# Runs m_jar on a fixed day the way a login starts it; extra environment
# settings may come first ("VAR=value").
run_at() {  # "YYYY-MM-DD hh:mm:ss" [VAR=value...] ARGUMENTS...
  local when=$1
  shift
  local settings=()
  while [[ ${1:-} == *=* && ${1:-} != -* ]]; do settings+=("$1"); shift; done
  env -u DISPLAY -u WAYLAND_DISPLAY PATH="$tmp/bin:$PATH" XDG_CONFIG_HOME="$config" \
    XDG_RUNTIME_DIR="$tmp/runtime" NO_FAKE_STAT=1 DONT_FAKE_MONOTONIC=1 "${settings[@]}" \
    "$timeout_tool" 60 "$faketime_tool" "$when" "$m_jar" "$@"
}

# The files handed over, sorted; waits for the detached xdg-open stand-ins
# to write and end, so that one too many would be in the log too.
opened() {  # EXPECTED-COUNT
  has_lines() { (($(wc -l <"$log") >= $1)); }
  wait_for 5 has_lines "$1"
  wait_for 5 stand_ins_ended "$tmp/bin"
  sort "$log"
}

expected() { printf "$capsule/%s\n" "$@" | sort; }

# 1. A run cut short after the first of three notes of yesterday (killed, or
#    ended by SIGTERM at a logout) leaves its day owed, so the next day's run
#    opens all three again: the first may open twice, none is lost. The day
#    had a run, so this holds for "TOMORROW" as for "TOMORROW+".
for case in KILL:TOMORROW TERM:TOMORROW+ KILL:TOMORROW+; do
  signal=${case%%:*} folder=${case#*:}
  rm -rf "$capsule"
  make_file "$folder/a.txt" "2031-03-11 09:00"
  make_file "$folder/b.txt" "2031-03-11 10:00"
  make_file "$folder/c.txt" "2031-03-11 11:00"
  store_prev_date 2031/03/11
  : >"$log"
  run_at "2031-03-12 08:00:00" END_RUN_WITH=$signal 1 "$capsule" 2>"$tmp/stderr"
  status=$?
  if [[ $signal == TERM ]]; then
    check "SIGTERM ends the run cleanly (status $status)" test "$status" == 0
  fi
  check "run ended by SIG$signal handed over one file: $(cat "$log")" test "$(opened 1)" == "$(expected "$folder/a.txt")"
  check "run ended by SIG$signal stored no date: $(stored_prev_date)" test "$(stored_prev_date)" == 2031/03/11
  : >"$log"
  run_at "2031-03-13 08:00:00" 0 "$capsule" 2>"$tmp/stderr"
  check "the day after SIG$signal, all three of $folder open: $(opened 3)" test "$(opened 3)" == "$(expected "$folder/a.txt" "$folder/b.txt" "$folder/c.txt")"
  check "the day after SIG$signal, the day is stored" test "$(stored_prev_date)" == 2031/03/13
done

# 2. No xdg-open: each file is reported with the reason, and the day is not
#    marked, so the next run tries again.
rm -rf "$capsule"
make_file "TOMORROW/a.txt" "2031-03-11 09:00"
store_prev_date 2031/03/11
run_at "2031-03-12 08:00:00" PATH="$tmp/nobin" 0 "$capsule" 2>"$tmp/stderr"
check "without xdg-open the run ends with 1" test $? == 1
check "without xdg-open the file is reported: $(cat "$tmp/stderr")" \
  grep -q "^Morrowjar: .*$capsule/TOMORROW/a.txt.*xdg-open not found" "$tmp/stderr"
check "without xdg-open no date is stored" test "$(stored_prev_date)" == 2031/03/11

# 3. Help and version, in all their spellings, make no run and store nothing.
: >"$log"
for option in -h --help --help-all -v --version; do
  out=$(run_at "2031-03-12 08:00:00" "$option" 2>&1)
  status=$?
  check "m_jar $option exits 0 (status $status)" test "$status" == 0
  check "m_jar $option prints something" test -n "$out"
done
check "help and version opened nothing: $(cat "$log")" test ! -s "$log"
check "help and version stored nothing" test "$(stored_prev_date)" == 2031/03/11

# 4. The classic command line: digits, then the location text, even when it
#    starts with dashes.
mkdir -p "$tmp/cwd/--odd"
echo note >"$tmp/cwd/--odd/note.txt"
: >"$log"
(cd "$tmp/cwd" && run_at "2031-03-12 08:00:00" 0 --odd 2>"$tmp/stderr")
check "m_jar 0 --odd runs on the folder --odd: $(cat "$log")" test "$(opened 1)" == "$tmp/cwd/--odd/note.txt"

# 5. Two runs started together: each due file opens exactly once, and the
#    second run says why it ends.
rm -rf "$capsule"
make_file "TOMORROW/a.txt" "2031-03-11 09:00"
make_file "TOMORROW/b.txt" "2031-03-11 10:00"
make_file "root.txt" "2031-03-01 10:00"
store_prev_date 2031/03/11
: >"$log"
run_at "2031-03-12 08:00:00" 1 "$capsule" 2>"$tmp/stderr1" &
first=$!
run_at "2031-03-12 08:00:00" 1 "$capsule" 2>"$tmp/stderr2" &
second=$!
wait "$first"
status1=$?
wait "$second"
status2=$?
check "two runs together open each file once: $(sort "$log" | tr '\n' ' ')" \
  test "$(opened 3)" == "$(expected TOMORROW/a.txt TOMORROW/b.txt root.txt)"
check "one of two runs together ends at once (statuses $status1, $status2)" \
  test "$((status1 + status2))" == 1
check "the run that ends says why" \
  grep -qh "another run is opening the capsule" "$tmp/stderr1" "$tmp/stderr2"

# 6. A file dated in the year 67514 is reported and passed over, never read
#    as another year. Such a time needs a file system that holds 64-bit
#    times (tmpfs does, ext4 does not); where there is none the case is left
#    out.
far=2068368868800  # 1 January 67514, noon UTC
far_capsule=''
for base in "$tmp" /dev/shm; do
  [[ -d $base && -w $base ]] || continue
  candidate=$(mktemp -d -p "$base")
  mkdir -p "$candidate/EVERYDAY"
  echo message >"$candidate/EVERYDAY/far.txt"
  if touch -d "@$far" "$candidate/EVERYDAY/far.txt" 2>/dev/null &&
    [[ $(stat -c %Y "$candidate/EVERYDAY/far.txt") == "$far" ]]; then
    far_capsule=$candidate
    break
  fi
  rm -rf "$candidate"
done
if [[ -n $far_capsule ]]; then
  : >"$log"
  run_at "2031-03-12 08:00:00" 0 "$far_capsule" 2>"$tmp/stderr"
  check "a file of the year 67514 is not opened: $(cat "$log")" test ! -s "$log"
  check "a file of the year 67514 is reported: $(cat "$tmp/stderr")" \
    grep -q '^Morrowjar: File "EVERYDAY/far.txt" .*67514' "$tmp/stderr"
  rm -rf "$far_capsule"
else
  echo "note: no file system here holds the year 67514; that case is left out"
fi

# 7. Files the writer stages under ".m_jarin-<process>-<hex>.part" before
#    they take their names (or leaves behind when killed) are never opened,
#    in a folder or in the capsule root.
rm -rf "$capsule"
make_file "TOMORROW/a.txt" "2031-03-11 09:00"
make_file "TOMORROW/.m_jarin-4000000-0123abcd.part" "2031-03-11 09:30"
make_file ".m_jarin-4000000-89abcdef.part" "2031-03-11 09:30"
store_prev_date 2031/03/11
: >"$log"
run_at "2031-03-12 08:00:00" 0 "$capsule" 2>"$tmp/stderr"
check "staged files are not opened: $(cat "$log")" test "$(opened 1)" == "$(expected TOMORROW/a.txt)"

# 8. A symbolic link to the capsule root is the same capsule: a run through
#    the link keeps the root's own record, under the root's canonical path,
#    and makes no second record for the link.
rm -rf "$capsule"
make_file "TOMORROW/a.txt" "2031-03-11 09:00"
ln -sfn "$capsule" "$tmp/alias"
store_prev_date 2031/03/11
: >"$log"
run_at "2031-03-12 08:00:00" 0 "$tmp/alias" 2>"$tmp/stderr"
check "a run through a link opens the note: $(cat "$log")" \
  test "$(opened 1)" == "$tmp/alias/TOMORROW/a.txt"
check "a run through a link records the root's day: $(stored_prev_date)" \
  test "$(stored_prev_date)" == 2031/03/12
check "a run through a link makes no record of its own: $(grep '^\[' "$config/M_Jar.conf")" \
  test "$(grep -c '^\[capsule_' "$config/M_Jar.conf")" == 1

# 9. Two capsule roots keep their own records: a run on one does not count
#    as the other's, whose "+" folder still catches up the day it missed.
other=$tmp/other_capsule
mkdir -p "$other/3-11+"
echo message >"$other/3-11+/b.txt"
rm -rf "$capsule"
make_file "TOMORROW/a.txt" "2031-03-11 09:00"
store_prev_date 2031/03/10
printf '[%s]\nprev_date=2031/03/10\n' "$(record_section "$other")" >>"$config/M_Jar.conf"
: >"$log"
run_at "2031-03-12 08:00:00" 0 "$capsule" 2>"$tmp/stderr"
check "the first root's run records its own day" test "$(stored_prev_date)" == 2031/03/12
check "the other root's record is untouched: $(read_record "$config/M_Jar.conf" "$other")" \
  test "$(read_record "$config/M_Jar.conf" "$other")" == 2031/03/10
: >"$log"
run_at "2031-03-12 09:00:00" 0 "$other" 2>"$tmp/stderr"
check "the other root catches up its missed day: $(cat "$log")" \
  test "$(opened 1)" == "$other/3-11+/b.txt"
check "the other root records its day" \
  test "$(read_record "$config/M_Jar.conf" "$other")" == 2031/03/12

summary
