#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The opener under faults, each one made for real: the built m_jar runs on a
# temporary capsule with today fixed by faketime, a temporary settings folder
# and a stand-in xdg-open that records what it is handed. For every fault the
# run must go on, open what is due and nothing else, and report exactly what
# the failure policy says: "file not found" (code 53) in silence, anything
# else as one line "Morrowjar: ..." on stderr (a box with a display).
#
#   faults_e2e.sh plain        faults that need no privileges and no display
#   faults_e2e.sh permissions  folders and settings the user may not read or
#                              write; as root they run as the user nobody
#   faults_e2e.sh display      a failure box open while the files are opened
#
# Exit status 77 means the part could not be run here (the reason is printed).
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
mode=${1:-plain}
command -v faketime >/dev/null || { echo "FAIL: faketime is not installed"; exit 1; }
source "$(dirname "$0")/../../tests/e2e_lib.sh"

tmp=$(mktemp -d)
xvfb_pid=''
cleanup() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  chmod -R u+rwx "$tmp" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
chmod 755 "$tmp"
log=$tmp/opened.log
mkdir -p "$tmp/bin" "$tmp/config" "$tmp/runtime"
chmod 700 "$tmp/runtime"
# The stand-in for xdg-open, which says "gone" for a file that is not there
# and then fails as the real one does.
cat >"$tmp/bin/xdg-open" <<STUB
#!/bin/sh
if [ -e "\$1" ]; then printf '%s\n' "\$1" >>"$log"; else printf 'gone %s\n' "\$1" >>"$log"; fi
[ -n "\${REMOVE_WHEN_OPENING:-}" ] && [ "\$1" = "\$REMOVE_WHEN_OPENING" ] && rm -f "\$REMOVE_TOO"
[ -e "\$1" ] || exit 2
STUB
chmod 755 "$tmp/bin/xdg-open"
: >"$log"
chmod 666 "$log"

config=$tmp/config         # XDG_CONFIG_HOME of the runs
delay=0                    # seconds between two openings
display_env=(-u DISPLAY -u WAYLAND_DISPLAY)

settings_file() { printf '%s/M_Jar.conf' "$config"; }
# The record of the capsule root $c of the calling case.
store_prev_date() {  # TEXT (printf %b escapes allowed); "-" keeps what is stored
  [[ $1 == - ]] && return 0
  write_record "$(settings_file)" "${root:-$c}" "$1"
  own "$(settings_file)"
}
stored_prev_date() { read_record "$(settings_file)" "${root:-$c}"; }

make_file() {  # CAPSULE RELATIVE-PATH ["LOCAL TIME"]
  mkdir -p "$(dirname "$1/$2")"
  echo "message" >"$1/$2"
  touch -d "${3:-2031-03-01 12:00}" "$1/$2"
}

# Runs the opener on "YYYY-MM-DD hh:mm:ss" the way a login starts it, and
# leaves what it opened in $tmp/opened, its reports in $tmp/reports.
real_run() {  # "DAY TIME" CAPSULE EXPECTED-COUNT
  : >"$log"
  env "${display_env[@]}" PATH="$tmp/bin:$PATH" XDG_CONFIG_HOME="$config" \
    XDG_RUNTIME_DIR="$tmp/runtime" NO_FAKE_STAT=1 DONT_FAKE_MONOTONIC=1 \
    timeout 60 "${as_user[@]}" faketime "$1" "$m_jar" "$delay" "$2" 2>"$tmp/stderr"
  run_status=$?
  # xdg-open was started detached: wait for the last one to write, and for
  # every one to end, so that one too many would be in the log too.
  has_lines() { (($(wc -l <"$log") >= $1)); }
  wait_for 5 has_lines "$3"
  wait_for 5 stand_ins_ended "$tmp/bin"
  cp "$log" "$tmp/opened"
  grep '^Morrowjar: ' "$tmp/stderr" >"$tmp/reports"
}

# What the dry run plans for the same day and stored date, one path a line.
planned() {  # DAY CAPSULE
  env "${display_env[@]}" XDG_CONFIG_HOME="$config" "${as_user[@]}" \
    "$m_jar" --dry-run --today "$1" "$2" | grep -av '^#' | cut -f1
}

# Checks the run that real_run made: status 0, the files opened (in any
# order; the order is the ordinary run test's business), and the reports:
# none when REPORT is empty, else at least one and each matching REPORT.
check_run() {  # LABEL CAPSULE REPORT-REGEX FILE...
  local label=$1 capsule=$2 report=$3
  shift 3
  local expected opened
  expected=$( (($# > 0)) && printf "$capsule/%s\n" "$@" | sort)
  opened=$(sort "$tmp/opened")
  local before=$failed
  ((run_status == 0)) || fail "$label: m_jar ended with status $run_status"
  [[ $opened == "$expected" ]] || fail "$label: opened
$opened
instead of
$expected"
  if [[ -z $report ]]; then
    [[ ! -s $tmp/reports ]] || fail "$label: reported $(cat "$tmp/reports")"
  elif [[ ! -s $tmp/reports ]]; then
    fail "$label: nothing was reported; stderr: $(cat "$tmp/stderr")"
  elif grep -Evq -- "$report" "$tmp/reports"; then
    fail "$label: unexpected report: $(grep -Ev -- "$report" "$tmp/reports")"
  fi
  ((failed == before)) && pass
}

check_stored() {  # LABEL EXPECTED-PREV-DATE
  [[ $(stored_prev_date) == "$2" ]] && pass ||
    fail "$1: prev_date is \"$(stored_prev_date)\", not \"$2\""
}

# A small capsule used by several cases; today is 12 March 2031.
standard_capsule() {  # CAPSULE
  make_file "$1" R.txt
  make_file "$1" 12/d.txt
  make_file "$1" 3-10+/m.txt
  make_file "$1" 3-15+/s.txt
  make_file "$1" EVERYDAY/e.txt "2031-03-10 07:00"
  make_file "$1" TOMORROW/y.txt "2031-03-11 09:00"
  own "$1"
}
# What a run on 12 March opens with no missed days.
no_missed_days=(R.txt 12/d.txt EVERYDAY/e.txt TOMORROW/y.txt)
day="2031-03-12 10:00:00"

# --- plain --------------------------------------------------------------

# A capsule root given on the command line that is not there, or that is a
# file: nothing opens, that is said in words, and the day is not marked as
# done, so the run after the drive is mounted covers it.
missing_roots() {
  echo "a file, not a folder" >"$tmp/root_file"
  local label root
  for label in "no capsule root" "the capsule root is a file"; do
    root=$tmp/missing_root
    [[ $label == *file ]] && root=$tmp/root_file
    store_prev_date 2031/03/10
    real_run "$day" "$root" 0
    check_run "$label" "$root" "^Morrowjar: Capsule root $root is not (there|a folder)\\. Nothing was opened"
    check_stored "$label" 2031/03/10
  done
  [[ $(cat "$tmp/root_file") == "a file, not a folder" ]] && pass ||
    fail "the file given as capsule root was changed"
}

# Entries that are not what they look like. Links are never schedule folders
# and a dangling link is no file; names may be 255 bytes of Japanese text or
# bytes that are not UTF-8 at all, and still open under their own names.
odd_entries() {
  local c=$tmp/odd outside=$tmp/outside
  local jp_255 jp_due jp_file bad=$'12\xff' bad_file=$'f\xfe.txt'
  jp_255=$(printf 'あ%.0s' $(seq 85))               # 255 bytes, no schedule name
  jp_due="12$(printf '日%.0s' $(seq 84))X"          # 255 bytes, due on the 12th
  jp_file="$(printf 'メモ%.0s' $(seq 41)).txt"      # 250 bytes
  make_file "$outside" EVERYDAY/far.txt "2031-03-10 07:00"
  make_file "$outside" far.txt "2031-03-10 07:00"
  make_file "$c" 12=1/a.txt
  ln -s "$outside/EVERYDAY" "$c/EVERYDAY"            # due by name, but a link
  ln -s "$outside" "$c/12=1/outside_folder"
  ln -s "$tmp/nowhere" "$c/12"                       # dangling, due by name
  ln -s "$tmp/nowhere" "$c/dangling.txt"
  ln -s "$tmp/nowhere" "$c/12=1/dangling.txt"
  make_file "$c" "$jp_255/f.txt"
  make_file "$c" "$jp_due/$jp_file"
  make_file "$c" "$bad/$bad_file"
  [[ $(printf '%s' "$jp_255" | wc -c) == 255 && $(printf '%s' "$jp_due" | wc -c) == 255 ]] ||
    fail "the long names are not 255 bytes"

  store_prev_date 2031/03/11
  local plan
  plan=$(planned 2031-03-12 "$c" | sort)
  real_run "$day" "$c" 3
  check_run "odd entries" "$c" '' 12=1/a.txt "$jp_due/$jp_file" "$bad/$bad_file"
  # The dry run shows the bytes that are not UTF-8 escaped, \377 for 0xFF.
  local shown
  shown=$(LC_ALL=C sed 's/\xff/\\377/g; s/\xfe/\\376/g' "$tmp/opened" | sort)
  [[ $plan == "$shown" ]] && pass || fail "odd entries: the dry run planned $plan"
}

# A file removed while the run waits for its tick: nothing is shown and the
# files after it still open on their ticks.
file_removed_before_its_tick() {
  local c=$tmp/removal
  make_file "$c" a.txt
  make_file "$c" b.txt
  make_file "$c" c.txt
  local saved_delay=$delay
  delay=1
  export REMOVE_WHEN_OPENING=$c/a.txt REMOVE_TOO=$c/b.txt
  real_run "$day" "$c" 3
  unset REMOVE_WHEN_OPENING REMOVE_TOO
  delay=$saved_delay
  ((run_status == 0)) && pass || fail "file removed: m_jar ended with status $run_status"
  [[ ! -s $tmp/reports ]] && pass || fail "file removed: reported $(cat "$tmp/reports")"
  [[ $(cat "$tmp/opened") == "$c/a.txt
gone $c/b.txt
$c/c.txt" ]] && pass || fail "file removed: handed over
$(cat "$tmp/opened")"
}

# 10,000 schedule folders, one for each day from 1 January 2004, every third
# one with "+". With the last run on 8 March, a run on 12 March opens the
# folder of the 12th and the "+" folders of the missed 9th to 11th: no more,
# no less; the others of those days are told as passed over.
ten_thousand_folders() {
  local c=$tmp/many
  mkdir -p "$c"
  seq 0 9999 | sed 's/.*/2004-01-01 + & days/' | date -f - +%F >"$tmp/days"
  awk '{ print (NR % 3 == 1) ? $0 "+" : $0 }' "$tmp/days" >"$tmp/folders"
  (cd "$c" && xargs -d '\n' mkdir <"$tmp/folders" && sed 's|$|/f.txt|' "$tmp/folders" |
    xargs -d '\n' touch)
  local expected=() d name
  for d in 2031-03-09 2031-03-10 2031-03-11 2031-03-12; do
    name=$(grep -x "$d+\?" "$tmp/folders")
    [[ $name == *+ || $d == 2031-03-12 ]] && expected+=("$name/f.txt")
  done
  store_prev_date 2031/03/08
  local json
  json=$(env "${display_env[@]}" XDG_CONFIG_HOME="$config" "$m_jar" --dry-run --today 2031-03-12 \
    --json "$c")
  local folders
  folders=$(grep -o '"name":' <<<"$json" | wc -l)
  ((folders == 10000)) && pass || fail "10,000 folders: the dry run judged $folders"
  grep -q '"failures":\[\]' <<<"$json" && pass || fail "10,000 folders: failures in the dry run"
  real_run "$day" "$c" "${#expected[@]}"
  # The folders of the 9th and the 11th have no "+": their files came due
  # on days without a run, and are told once.
  check_run "10,000 folders" "$c" \
    'messages came due while this computer was off: 2031-03-09/f.txt .*, 2031-03-11/f.txt' \
    "${expected[@]}"
}

# The stored date of the previous run, as the run finds it. Each row runs the
# opener for real; "-" keeps what the previous row left behind.
#   a text that is no date, a list of dates, a stored variant: reported,
#     taken as today;
#   empty: no previous run, nothing reported;
#   in the future, because the clock was set back: only the capsule root's
#     files open, it is said, and the record does not move back;
#   years back: every "+" folder whose day fell in those years opens once;
#   a century back: the missed days leave 16 bits and are reported for each
#     "+" folder; the rest of the run is as usual.
prev_dates() {
  local c=$tmp/prev
  standard_capsule "$c"
  local rows=(
    "garbage|\\001\\377 not a date|$day|days already served, in .* cannot be read|2031/03/12|${no_missed_days[*]}"
    "a list|2031/03/10, 2031/03/11|$day|days already served, in .* cannot be read|2031/03/12|${no_missed_days[*]}"
    "a stored variant|@Invalid()|$day|days already served, in .* cannot be read|2031/03/12|${no_missed_days[*]}"
    "empty||$day||2031/03/12|${no_missed_days[*]}"
    "before the clock is set back|2031/03/14|2031-03-20 10:00:00||2031/03/20|R.txt 3-15+/s.txt EVERYDAY/e.txt"
    "clock set back|-|$day|The clock reads .* earlier than the last run|2031/03/20|R.txt"
    "the day after the set-back run|-|2031-03-13 10:00:00|The clock reads|2031/03/20|R.txt"
    "five years back|2026/03/12|$day||2031/03/12|${no_missed_days[*]} 3-10+/m.txt 3-15+/s.txt"
    "a century back|1931/03/12|$day|days missed since the last run are more than a window|2031/03/12|${no_missed_days[*]}"
  )
  local row label text when report stored files
  for row in "${rows[@]}"; do
    IFS='|' read -r label text when report stored files <<<"$row"
    store_prev_date "$text"
    read -ra files <<<"$files"
    real_run "$when" "$c" "${#files[@]}"
    check_run "prev_date $label" "$c" "$report" "${files[@]}"
    check_stored "prev_date $label" "$stored"
  done
}

# A settings store that cannot be written, even by root: its folder is a
# file. The run reports it and still opens its files.
unwritable_settings() {
  local c=$tmp/settings
  standard_capsule "$c"
  local saved=$config
  config=$tmp/config_is_a_file
  echo "not a folder" >"$config"
  real_run "$day" "$c" ${#no_missed_days[@]}
  check_run "unwritable settings" "$c" 'settings store .* cannot be written' \
    "${no_missed_days[@]}"
  config=$saved
}

plain() {
  missing_roots
  odd_entries
  file_removed_before_its_tick
  ten_thousand_folders
  prev_dates
  unwritable_settings
}

# --- permissions ----------------------------------------------------------

# As root the cases run as nobody, with a copy of m_jar that nobody can reach.
become_unprivileged() {
  drop_privileges "$tmp"
  m_jar=$(reachable_binary "$m_jar" "$tmp")
  own "$config" "$tmp/runtime"
  "${as_user[@]}" test -x "$tmp/bin/xdg-open" || skip "nobody cannot reach the temporary folder $tmp"
  "${as_user[@]}" faketime '2031-03-12 08:00:00' true 2>/dev/null ||
    skip "faketime does not work for the user the runs run as (its shared memory is not writable)"
}

# Schedule folders that cannot be read: one that cannot be listed and one
# whose files' times cannot be read, one report each. The other folders still
# open, and the date is stored.
unreadable_folders() {
  local c=$tmp/unreadable
  standard_capsule "$c"
  chmod 0300 "$c/EVERYDAY"
  chmod 0600 "$c/TOMORROW"
  store_prev_date 2031/03/11
  real_run "$day" "$c" 2
  check_run "unreadable folders" "$c" \
    '^Morrowjar: (Folder "EVERYDAY"|File "TOMORROW/y.txt") in .*Permission denied.*[Tt]he next run tries again' \
    R.txt 12/d.txt
  (($(wc -l <"$tmp/reports") == 2)) && pass || fail "unreadable folders: $(cat "$tmp/reports")"
  # Some due files could not be read: the day is not marked as done.
  check_stored "unreadable folders" 2031/03/11
  chmod 0300 "$c"
  real_run "$day" "$c" 0
  check_run "unreadable capsule root" "$c" \
    '^Morrowjar: Capsule root .*Permission denied.*Nothing was opened; the next run tries again'
  check_stored "unreadable capsule root" 2031/03/11
}

# A settings file, or a settings folder without one, that the user may not
# write: reported, and the run still opens its files.
read_only_settings() {
  local c=$tmp/ro_settings label
  standard_capsule "$c"
  for label in "read-only settings file" "read-only settings folder"; do
    chmod 755 "$config"
    if [[ $label == *file ]]; then
      store_prev_date 2031/03/11
      chmod 0444 "$(settings_file)"
    else
      rm -f "$(settings_file)"
      chmod 0555 "$config"
    fi
    real_run "$day" "$c" ${#no_missed_days[@]}
    check_run "$label" "$c" 'settings store .* cannot be written' "${no_missed_days[@]}"
    [[ $label == *file ]] && check_stored "$label" 2031/03/11
  done
  chmod 755 "$config"
}

permissions() {
  become_unprivileged
  unreadable_folders
  read_only_settings
}

# --- display --------------------------------------------------------------

# With a display a failure is a box. The settings store is written once the
# last file was handed over, so its box comes at the end of the run: the run
# ends when the user has answered it.
display() {
  require_tools Xvfb xdotool
  start_xvfb "$tmp"
  display_env=(-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$DISPLAY")

  local c=$tmp/shown
  make_file "$c" a.txt
  make_file "$c" b.txt
  config=$tmp/config_is_a_file
  echo "not a folder" >"$config"
  delay=1
  # Return is pressed until the box has gone: a box may show a moment before
  # it takes keys.
  (for _ in $(seq 300); do
    local box
    box=$(xdotool search --onlyvisible --name '^Morrowjar$' 2>/dev/null | head -n1)
    if [[ -n $box ]]; then
      touch "$tmp/box_seen"
      xdotool windowfocus --sync "$box" key Return 2>/dev/null
    elif [[ -e $tmp/box_seen ]]; then
      break
    fi
    sleep 0.1
  done) &
  local watcher=$!
  real_run "$day" "$c" 2
  wait "$watcher"
  ((run_status == 0)) && pass || fail "box at the end of the run: m_jar ended with status \
$run_status (124: it did not end when the box was answered)"
  [[ -e $tmp/box_seen ]] && pass || fail "box at the end of the run: no box was shown"
  [[ $(sort "$tmp/opened") == "$c/a.txt
$c/b.txt" ]] && pass || fail "box at the end of the run: opened $(cat "$tmp/opened")"
}

case $mode in
  plain | permissions | display) "$mode" ;;
  *) echo "usage: $0 plain|permissions|display" >&2; exit 2 ;;
esac
echo "opener faults ($mode):"
summary
