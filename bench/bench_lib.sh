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

# CPU seconds (user and system) one run of COMMAND takes, its output dropped.
cpu_seconds_of() {  # COMMAND...
  local spent
  spent=$("$@" >/dev/null 2>&1; times)
  # The second line of `times` is what the children used: "0m0.123s 0m0.010s".
  awk 'NR == 2 {
    split($1, u, /[ms]/); split($2, s, /[ms]/)
    print u[1] * 60 + u[2] + s[1] * 60 + s[2]
  }' <<<"$spent"
}
