#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots of the programs' windows, on a private X server:
#   writer  doc/screenshots/writer.png (also the AppStream metainfo's): m_jarin
#           with a message typed and a schedule chosen
#   run     doc/screenshots/run.png: the opener's run window over a small
#           temporary capsule, while its files are being handed over (a
#           stand-in xdg-open keeps each one "opening")
# Run it after changing a window.
#   tools/take_screenshot.sh [BUILD-DIR] [writer|run]   (defaults: build, writer)
# Needs Xvfb, xdotool and netpbm (xwdtopnm, pnmcut, pnmtopng), and a font with
# Japanese characters (fonts-noto-cjk or fonts-ipafont-gothic) for texts in
# Japanese.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
which=${2:-writer}

tmp=$(mktemp -d)
cleanup() {
  [[ -n ${program:-} ]] && kill "$program" 2>/dev/null
  [[ -n ${server:-} ]] && kill "$server" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# Xvfb keeps its screen in an XWD file under -fbdir.
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 800x600x24 -fbdir "$tmp" -nolisten tcp &
server=$!
export DISPLAY=$display
for _ in $(seq 50); do
  xdotool getmouselocation >/dev/null 2>&1 && break
  sleep 0.1
done
mkdir -p "$tmp/home"

shown_window() {  # PID: prints the id of its visible window
  local window=
  for _ in $(seq 100); do
    window=$(xdotool search --sync --onlyvisible --pid "$1" 2>/dev/null | head -1) && break
    sleep 0.1
  done
  [[ -n $window ]] || { echo "the window did not show" >&2; exit 1; }
  printf '%s' "$window"
}

case "$which" in
  writer)
    out=doc/screenshots/writer.png
    HOME=$tmp/home LANG=C.UTF-8 "$build/writer/m_jarin" &
    program=$!
    window=$(shown_window "$program")
    sleep 0.5
    xdotool type --delay 20 "Water the plants on the balcony, and ask Sam about the keys."
    xdotool key Tab
    xdotool key ctrl+a
    xdotool type --delay 20 "TOMORROW"
    xdotool mousemove 0 0
    sleep 0.5
    ;;
  run)
    out=doc/screenshots/run.png
    # A capsule whose first run opens five files: two of the capsule root,
    # two notes in TOMORROW written yesterday, and one in today's folder.
    capsule=$tmp/home/Morrowjar
    today=$(date +%m-%d)
    mkdir -p "$capsule/TOMORROW" "$capsule/$today" "$tmp/bin" "$tmp/runtime"
    chmod 700 "$tmp/runtime"
    echo note >"$capsule/Read me at every login.txt"
    echo note >"$capsule/Week plan.txt"
    echo note >"$capsule/TOMORROW/Water the plants.txt"
    echo note >"$capsule/TOMORROW/Ask Sam about the keys.txt"
    echo note >"$capsule/$today/Birthday card for Ana.txt"
    touch -d yesterday "$capsule/TOMORROW/"*
    # Stays on as a program showing the file would, so that the run counts
    # each file as taken after its patience.
    printf '#!/bin/sh\nexec sleep 20\n' >"$tmp/bin/xdg-open"
    chmod +x "$tmp/bin/xdg-open"
    HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_RUNTIME_DIR=$tmp/runtime \
      PATH="$tmp/bin:$PATH" LANG=C.UTF-8 "$build/opener/m_jar" 2 &
    program=$!
    window=$(shown_window "$program")
    # Two files taken, one on its way, two waiting.
    sleep 6.5
    ;;
  *)
    echo "usage: $0 [BUILD-DIR] [writer|run]" >&2
    exit 2
    ;;
esac

eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p "$(dirname "$out")"
xwdtopnm "$tmp/Xvfb_screen0" 2>/dev/null | pnmcut -left "$X" -top "$Y" -width "$WIDTH" -height "$HEIGHT" |
  pnmtopng -compression 9 >"$out"
echo "wrote $out (${WIDTH}x$HEIGHT, $(($(stat -c %s "$out") / 1024)) KiB)"
