#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# m_jarin.exe and m_jar.exe under Wine on a private X server, used as on
# Windows: typed into with xdotool, their boxes read through the clipboard
# (a Qt message box on Windows copies its title and text on Ctrl+C), their
# files, the files the shell opened and the registry checked.
#   wine_programs_test.sh PROGRAM-FOLDER WORK-FOLDER
# Needs WINEPREFIX set to a prepared prefix of its own and a running
# wineserver (tools/windows_qt_check.sh). With SCREENSHOTS naming a folder, it
# saves the two windows there as PNG files (netpbm).
# Every wait has a deadline: a window that never shows, a box nobody closes,
# cannot hang it.
set -u
bin=${1:?program folder}
work=${2:?work folder}
source "$(dirname "$0")/../../tests/e2e_lib.sh"
require_tools Xvfb xdotool xclip wine wineserver
: "${WINEPREFIX:?set WINEPREFIX to the prefix of the test}"
drive_c=$WINEPREFIX/drive_c

xvfb_pid='' program_pid=''
cleanup() {
  [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

# A private X server keeping its screen in an XWD file (for the screenshots).
mkdir -p "$work"
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -fbdir "$work" -nolisten tcp -noreset \
  >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")

# Wine under a loaded machine starts a program in seconds, not milliseconds.
patience=90

start() {  # LOG-NAME PROGRAM ARGS...
  local log=$1
  shift
  wine "$@" >"$work/$log.out" 2>"$work/$log.err" </dev/null &
  program_pid=$!
}
# Prints the first visible window whose title matches REGEX, within the deadline.
window_named() {  # REGEX [SECONDS]
  timeout "${2:-$patience}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1
}
shows() { [[ -n $(window_named "$@") ]]; }
# Whether the program started last ends within the deadline, with status 0.
ended() {
  local deadline=$((SECONDS + patience))
  while kill -0 "$program_pid" 2>/dev/null; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
  wait "$program_pid"
  local status=$?
  program_pid=''
  return "$status"
}
send() { timeout 20 xdotool "$@"; }
# The title and text of the box WINDOW, as Qt copies them on Ctrl+C.
box_text() {  # WINDOW
  send windowfocus --sync "$1" key ctrl+c
  local deadline=$((SECONDS + 20)) text=''
  while ((SECONDS < deadline)); do
    text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r') && [[ -n $text ]] && break
    sleep 0.3
  done
  printf '%s\n' "$text"
}
registry() { timeout 60 wine reg "$@" 2>/dev/null | tr -d '\r'; }
# Whether no capsule file is open in notepad.
no_notepad() { [[ -z $(window_named '^due .* - Notepad$' 3) ]]; }
close_notepads() {
  timeout 60 wine taskkill /f /im notepad.exe >/dev/null 2>&1
  local deadline=$((SECONDS + 30))
  while ((SECONDS < deadline)); do [[ -z $(window_named ' - Notepad$' 1) ]] && return 0; done
  return 1
}
screenshot() {  # NAME WINDOW
  [[ -n ${SCREENSHOTS:-} ]] && command -v xwdtopnm >/dev/null || return 0
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$2")"
  mkdir -p "$SCREENSHOTS"
  xwdtopnm "$work/Xvfb_screen0" 2>/dev/null |
    pnmcut -left "$X" -top "$Y" -width "$WIDTH" -height "$HEIGHT" |
    pnmtopng -compression 9 >"$SCREENSHOTS/$1.png"
  echo "screenshot $SCREENSHOTS/$1.png (${WIDTH}x$HEIGHT)"
}

# A clean start: no capsule in the default root, no record of days.
rm -rf "$drive_c/Morrowjar"
registry delete 'HKCU\Software\M_Jar' /f >/dev/null
# Windows opens a .txt with Notepad; Wine 8's prefix knows Notepad's "txtfile"
# but leaves the extension itself to the host's associations, which this
# prefix does not take.
registry add 'HKCR\.txt' /ve /d txtfile /f >/dev/null

# 1. The writer with the default capsule root (C:\Morrowjar\ on the system
#    drive): a message under TOMORROW, typed, Tab, Enter.
start writer "$bin/m_jarin.exe"
window=$(window_named '^Morrowjar Text Input — C:\\Morrowjar')
check "the writer's window shows, its title naming C:\\Morrowjar" test -n "$window"
if [[ -n $window ]]; then
  send windowfocus --sync "$window"
  send type --delay 20 'Hello from Wine'
  send key Tab
  send type --delay 20 'TOMORROW'
  sleep 0.5  # the typed text drawn before the picture, not waited on
  screenshot windows-writer "$window"
  send key Return
fi
check "Enter in the schedule box ends the writer" ended
message="$drive_c/Morrowjar/TOMORROW/Hello from Wine.txt"
check "the message is stored in C:\\Morrowjar\\TOMORROW" test -f "$message"
check "the file holds the message with a CR LF line break" \
  cmp -s "$message" <(printf 'Hello from Wine\r\n')

# 2. The writer with a capsule root given on its command line, a Windows
#    path to a folder outside drive C.
given=$work/given_root
given_windows=$(timeout 30 winepath -w "$given" | tr -d '\r')
start writer_given "$bin/m_jarin.exe" "$given_windows"
window=$(window_named '^Morrowjar Text Input — Z:')
check "the writer's window shows for a given root" test -n "$window"
if [[ -n $window ]]; then
  send windowfocus --sync "$window"
  send type --delay 20 'Two lines'
  send key Return
  send type --delay 20 'and more'
  send key Tab
  send type --delay 20 'EVERY MONTH'
  send key Return
fi
check "the writer ends after storing in the given root" ended
# The name is made of the lines joined, as on Linux.
check "two lines stored with CR LF in the given root's EVERY MONTH" \
  cmp -s "$given/EVERY MONTH/Two linesand more.txt" <(printf 'Two lines\r\nand more\r\n')

# 3. The opener on the default root with two due files (stored yesterday in
#    TOMORROW), three seconds apart: its window shows while it runs, each file
#    goes to the shell, which opens a .txt in Wine's notepad; the day is
#    stored in the registry. The message stored today is not due.
printf 'first\r\n' >"$drive_c/Morrowjar/TOMORROW/due first.txt"
printf 'second\r\n' >"$drive_c/Morrowjar/TOMORROW/due second.txt"
touch -d yesterday "$drive_c/Morrowjar/TOMORROW/due first.txt" \
  "$drive_c/Morrowjar/TOMORROW/due second.txt"
start opener "$bin/m_jar.exe" 3
window=$(window_named '^Morrowjar: opening capsules')
check "the opener's window shows while it runs" test -n "$window"
[[ -n $window ]] && screenshot windows-opener "$window"
check "the first due file opens in notepad" shows '^due first.txt - Notepad$'
check "the second due file opens in notepad" shows '^due second.txt - Notepad$'
check "the opener ends with status 0" ended
check "the day is stored in HKCU\\Software\\M_Jar\\date" \
  grep -q "prev_date.*$(date +%Y/%m/%d)" <(registry query 'HKCU\Software\M_Jar\date' /v prev_date)
check "the message stored today is not opened" test -z "$(window_named '^Hello from Wine' 3)"
check "the notepads are closed" close_notepads

# 4. Insert held down at the start: the skip box, nothing opened, nothing
#    stored. Wine learns of a key held on the X server only through a window
#    of its own that has the focus: an empty notepad has it while the key
#    goes down.
registry delete 'HKCU\Software\M_Jar' /f >/dev/null
wine notepad >/dev/null 2>&1 </dev/null &
holder=$(window_named '^Untitled - Notepad$')
[[ -n $holder ]] && send windowfocus --sync "$holder"
send keydown Insert
start skipped "$bin/m_jar.exe"
box=$(window_named '^morrowjar for Windows32$')
send keyup Insert
check "Insert held: the skip box shows, titled \"morrowjar for Windows32\"" test -n "$box"
if [[ -n $box ]]; then
  check "the skip box says the run is skipped" grep -q 'Skipped this run' <(box_text "$box")
  send windowfocus --sync "$box" key Return
fi
check "Insert held: the opener ends after the box" ended
check "Insert held: nothing is opened" no_notepad
no_day_stored() { ! grep -q prev_date <(registry query 'HKCU\Software\M_Jar' /s); }
check "Insert held: no day is stored" no_day_stored

# 5. A folder named as a day that does not exist: the failure box.
mkdir -p "$work/bad_root/2026-02-30"
printf 'never\r\n' >"$work/bad_root/2026-02-30/never.txt"
bad_root=$(timeout 30 winepath -w "$work/bad_root" | tr -d '\r')
start failure "$bin/m_jar.exe" "$bad_root"
box=$(window_named '^Morrowjar$')
check "a folder named 2026-02-30: a box titled Morrowjar shows" test -n "$box"
if [[ -n $box ]]; then
  text=$(box_text "$box")
  check "the box names the folder and the missing day" \
    grep -q '"2026-02-30".*30 February 2026 does not exist' <<<"$text"
  check "the box shows the capsule root as Windows writes it" grep -qF "in $bad_root:" <<<"$text"
  send windowfocus --sync "$box" key Return
fi
check "the opener ends after the failure box" ended
check "nothing from the bad folder is opened" no_notepad
close_notepads >/dev/null

summary
