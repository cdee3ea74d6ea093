#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the writer's screenshot for the AppStream metainfo,
# doc/screenshots/writer.png: m_jarin on a private X server, a message typed
# and a schedule chosen. Run it after changing the window.
#   tools/take_screenshot.sh [BUILD-DIR]
# Needs Xvfb, xdotool and netpbm (xwdtopnm, pnmcut, pnmtopng), and a font with
# Japanese characters (fonts-noto-cjk or fonts-ipafont-gothic) for texts in
# Japanese.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
m_jarin=$build/writer/m_jarin
out=doc/screenshots/writer.png

tmp=$(mktemp -d)
cleanup() {
  [[ -n ${writer:-} ]] && kill "$writer" 2>/dev/null
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
HOME=$tmp/home LANG=C.UTF-8 "$m_jarin" &
writer=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --sync --onlyvisible --pid "$writer" 2>/dev/null | head -1) && break
  sleep 0.1
done
[[ -n $window ]] || { echo "the writer's window did not show" >&2; exit 1; }
sleep 0.5
xdotool type --delay 20 "Water the plants on the balcony, and ask Sam about the keys."
xdotool key Tab
xdotool key ctrl+a
xdotool type --delay 20 "TOMORROW"
xdotool mousemove 0 0
sleep 0.5

eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p "$(dirname "$out")"
xwdtopnm "$tmp/Xvfb_screen0" 2>/dev/null | pnmcut -left "$X" -top "$Y" -width "$WIDTH" -height "$HEIGHT" |
  pnmtopng -compression 9 >"$out"
echo "wrote $out (${WIDTH}x$HEIGHT)"
