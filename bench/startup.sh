#!/usr/bin/env bash
# Start-up cost of the writer: the time from starting m_jarin to its window
# being painted (min/median/max over the rounds), against a Qt Widgets program
# that shows an empty window, both on one private X server in the same run, in
# alternating order.
#   bench/startup.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
build=${1:-build-bench}
rounds=${2:-31}
writer=$build/writer/m_jarin
empty=$build/bench/empty_window
for program in "$writer" "$empty"; do
  [[ -x $program ]] || { echo "missing $program: run bench/run, or build with -DMORROWJAR_BUILD_BENCHMARKS=ON" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=''
trap '[[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
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

# "min median max" of numbers on stdin.
min_median_max() {
  sort -n | awk '{v[NR] = $1} END {
    print v[1], (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, v[NR]
  }'
}

run_writer() { time_to_shown "$writer" "$work/caps"; }
run_empty() { time_to_shown "$empty"; }
run_label() { time_to_shown "$empty" --label; }

# Two warm-up rounds fill the file cache; then each round runs all three,
# in an order that rotates from round to round.
for _ in 1 2; do run_writer >/dev/null; run_empty >/dev/null; run_label >/dev/null; done
order=(writer empty label)
for round in $(seq "$rounds"); do
  for i in 0 1 2; do
    name=${order[(i + round) % 3]}
    "run_$name" >>"$work/$name"
  done
done

read -r w_min w w_max < <(min_median_max <"$work/writer")
read -r e_min e e_max < <(min_median_max <"$work/empty")
read -r l_min l l_max < <(min_median_max <"$work/label")
awk -v n="$rounds" -v w="$w" -v e="$e" -v l="$l" \
    -v w_min="$w_min" -v w_max="$w_max" -v e_min="$e_min" -v e_max="$e_max" \
    -v l_min="$l_min" -v l_max="$l_max" 'BEGIN {
  printf "rounds %d, start to the window shown, ms   min  median     max\n", n
  printf "  m_jarin                          %6.1f  %6.1f  %6.1f\n", w_min / 1000, w / 1000, w_max / 1000
  printf "  empty Qt window                  %6.1f  %6.1f  %6.1f\n", e_min / 1000, e / 1000, e_max / 1000
  printf "  empty window + 1 label           %6.1f  %6.1f  %6.1f\n", l_min / 1000, l / 1000, l_max / 1000
  printf "  (the font system starts with the first text)\n"
  printf "ratio of the medians to the empty window %.2f (target at most 1.30); to the labelled one %.2f\n", w / e, w / l
}'
