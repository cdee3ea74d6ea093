#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up cost of the writer: the time from starting m_jarin to its window
# being painted (min/median/max over the rounds), against Qt Widgets programs
# that show an empty window, a window with one label, and a window with the
# same kinds of widgets as the writer's, all on one private X server in the
# same run, in rotating order.
#   bench/startup.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/bench_lib.sh"
build=${1:-build-bench}
rounds=${2:-31}
writer=$build/writer/m_jarin
empty=$build/bench/empty_window
widgets=$build/bench/widgets_window
for program in "$writer" "$empty" "$widgets"; do
  [[ -x $program ]] || { echo "missing $program: run bench/run, or build with -DMORROWJAR_BUILD_BENCHMARKS=ON" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=''
trap '[[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")
export MORROWJAR_EXIT_WHEN_SHOWN=1
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Microseconds from just before the start to the first paint.
time_to_shown() {
  local start=${EPOCHREALTIME/./}
  local shown
  shown=$(timeout 20 "$@" 2>&1 >/dev/null | awk '/^shown_at_us/ {print $2}')
  [[ -n $shown ]] || { echo "no window from $*" >&2; exit 1; }
  echo $((shown - start))
}

run_writer() { time_to_shown "$writer" "$work/caps"; }
run_empty() { time_to_shown "$empty"; }
run_label() { time_to_shown "$empty" --label; }
run_widgets() { time_to_shown "$widgets"; }

# Two warm-up rounds fill the file cache; then each round runs all four,
# in an order that rotates from round to round.
order=(writer empty label widgets)
for _ in 1 2; do for name in "${order[@]}"; do "run_$name" >/dev/null; done; done
for round in $(seq "$rounds"); do
  for i in 0 1 2 3; do
    name=${order[(i + round) % 4]}
    "run_$name" >>"$work/$name"
  done
done

read -r w_min w w_max < <(min_median_max <"$work/writer")
read -r e_min e e_max < <(min_median_max <"$work/empty")
read -r l_min l l_max < <(min_median_max <"$work/label")
read -r g_min g g_max < <(min_median_max <"$work/widgets")
awk -v n="$rounds" -v w="$w" -v e="$e" -v l="$l" -v g="$g" \
    -v w_min="$w_min" -v w_max="$w_max" -v e_min="$e_min" -v e_max="$e_max" \
    -v l_min="$l_min" -v l_max="$l_max" -v g_min="$g_min" -v g_max="$g_max" 'BEGIN {
  printf "rounds %d, start to the window shown, ms   min  median     max\n", n
  printf "  m_jarin                          %6.1f  %6.1f  %6.1f\n", w_min / 1000, w / 1000, w_max / 1000
  printf "  empty Qt window                  %6.1f  %6.1f  %6.1f\n", e_min / 1000, e / 1000, e_max / 1000
  printf "  empty window + 1 label           %6.1f  %6.1f  %6.1f\n", l_min / 1000, l / 1000, l_max / 1000
  printf "  the same kinds of widgets        %6.1f  %6.1f  %6.1f\n", g_min / 1000, g / 1000, g_max / 1000
  printf "  (the font system starts with the first text)\n"
  printf "ratio of the medians to the empty window %.2f; to the labelled one %.2f\n", w / e, w / l
  printf "ratio of the medians to the same kinds of widgets %.2f (target at most 1.10)\n", w / g
}'
