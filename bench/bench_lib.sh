# SPDX-License-Identifier: MIT
# What the benchmark scripts share; sourced by them.

# "min median max" of the numbers on stdin.
min_median_max() {
  sort -g | awk '{v[NR] = $1} END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    print v[1], m, v[NR]
  }'
}

# Seconds one run of COMMAND takes, its output dropped.
seconds_of() {  # COMMAND...
  local start=$EPOCHREALTIME
  "$@" >/dev/null
  awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN {print b - a}'
}
