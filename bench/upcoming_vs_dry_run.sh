#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What `m_jar --upcoming DAYS --json` (judged from one read of the tree) costs
# in CPU time compared with one `m_jar --dry-run --json` (one day, no missed
# days) over the same capsule: min/median/max of several runs of each,
# measured in turns, and the ratio of the medians (target: at most 3).
#   (1) the benchmark capsule (make_capsule's 2,000 folders x 50 files):
#       --upcoming 30, 365 and 3660;
#   (2) 20 folders of the widest window of the slowest name, "E3=32767",
#       made distinct by trailing spaces, one file each: --upcoming 365, 3660;
#   (3) 4,000 empty folders of random schedule names: --upcoming 365 and
#       3660, and both with --today 0100-01-01, where every day's test of many
#       names meets the first supported year (the dry run then with the same
#       day); with its peak memory (/usr/bin/time, Debian package "time").
#   bench/upcoming_vs_dry_run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/bench_lib.sh"
build=${1:-build-bench}
runs=${2:-7}
m_jar=$build/opener/m_jar
make_capsule=$build/bench/make_capsule
[[ -x $m_jar && -x $make_capsule ]] || { echo "build first: bench/run builds $build" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_CONFIG_HOME=$tmp/config  # no record of days: the dry run has no missed days

# compare LABEL CAPSULE DRY_RUN_ARGS -- AHEAD_ARGS...: each AHEAD_ARGS (one
# word, spaces between its arguments) against the dry run, all in turns, so
# that a change in the machine's load falls on each of them alike.
compare() {
  local label=$1 capsule=$2 dry_args=$3
  shift 4
  local dry=("$m_jar" --dry-run --json $dry_args "$capsule")
  "${dry[@]}" >/dev/null  # warm the caches once
  : >"$tmp/dry"
  local i=0 ahead
  for ahead in "$@"; do : >"$tmp/ahead$i"; i=$((i + 1)); done
  for _ in $(seq "$runs"); do
    cpu_seconds_of "${dry[@]}" >>"$tmp/dry"
    i=0
    for ahead in "$@"; do
      # shellcheck disable=SC2086  # the arguments are split on purpose
      cpu_seconds_of "$m_jar" --upcoming $ahead --json "$capsule" >>"$tmp/ahead$i"
      i=$((i + 1))
    done
  done
  local dry_min dry_med dry_max min med max
  read -r dry_min dry_med dry_max < <(min_median_max <"$tmp/dry")
  printf '%s\n' "$label"
  printf '  CPU seconds, %d runs            min     median  max     ratio\n' "$runs"
  printf '  %-30s %.3f   %.3f   %.3f\n' "--dry-run $dry_args" "$dry_min" "$dry_med" "$dry_max"
  i=0
  for ahead in "$@"; do
    read -r min med max < <(min_median_max <"$tmp/ahead$i")
    printf '  %-30s %.3f   %.3f   %.3f   %.2f\n' "--upcoming $ahead" "$min" "$med" "$max" \
      "$(awk -v a="$med" -v b="$dry_med" 'BEGIN {print a / b}')"
    i=$((i + 1))
  done
}

"$make_capsule" "$tmp/capsule" 2000 50 >/dev/null
compare '(1) 2000 folders x 50 files (make_capsule)' "$tmp/capsule" "" -- 30 365 3660

wide=$tmp/wide
mkdir -p "$wide"
for i in $(seq 20); do
  folder="$wide/E3=32767$(printf '%*s' "$i" '')"
  mkdir "$folder"
  echo message >"$folder/note.txt"
done
compare '(2) 20 folders "E3=32767" (trailing spaces), 1 file each' "$wide" "" -- 365 3660

"$make_capsule" "$tmp/random" 4000 0 random >/dev/null
compare '(3) 4000 empty folders of random schedule names' "$tmp/random" "" -- 365 3660
compare '(3) the same on 0100-01-01' "$tmp/random" "--today 0100-01-01" -- \
  "365 --today 0100-01-01" "3660 --today 0100-01-01"
if [[ -x /usr/bin/time ]]; then
  /usr/bin/time -f '%M' -o "$tmp/rss" "$m_jar" --upcoming 3660 --today 0100-01-01 --json \
    "$tmp/random" >/dev/null
  printf '  peak memory of --upcoming 3660 --today 0100-01-01: %.1f MiB\n' \
    "$(awk '{print $1 / 1024}' "$tmp/rss")"
fi
