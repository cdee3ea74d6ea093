#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# How long `m_jar --upcoming 365 --json` (a year ahead, judged from one read
# of the tree) takes over a large capsule compared with one
# `m_jar --dry-run --json` (one day): min/median/max of several runs of
# each and the ratio of the medians (target: at most 3). `--upcoming 30`, the
# default, is shown as well. Then the same ratio, ten years ahead
# (--upcoming 3660), on 20 folders of the widest window of the slowest name,
# "E3=32767" made distinct by trailing spaces, each holding one file.
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
"$make_capsule" "$tmp/capsule" 2000 50 >/dev/null

export XDG_CONFIG_HOME=$tmp/config
dry_run=("$m_jar" --dry-run --json --prev 2000-01-01 "$tmp/capsule")
year=("$m_jar" --upcoming 365 --json "$tmp/capsule")
month=("$m_jar" --upcoming 30 --json "$tmp/capsule")
"${dry_run[@]}" >/dev/null  # warm the caches once
# The three are measured in turns, so that a change in the machine's load
# falls on each of them alike.
for _ in $(seq "$runs"); do
  seconds_of "${dry_run[@]}" >>"$tmp/dry_run"
  seconds_of "${year[@]}" >>"$tmp/year"
  seconds_of "${month[@]}" >>"$tmp/month"
done
read -r dry_min dry_med dry_max < <(min_median_max <"$tmp/dry_run")
read -r year_min year_med year_max < <(min_median_max <"$tmp/year")
read -r month_min month_med month_max < <(min_median_max <"$tmp/month")
counted=$("${year[@]}" | grep -o '"files":[0-9]*' | awk -F: '{n += $2} END {print n}')
printf 'capsule: 2000 folders x 50 files; %s openings counted over 365 days\n' "$counted"
printf '%d runs, seconds        min     median  max\n' "$runs"
printf '  m_jar --dry-run       %.3f   %.3f   %.3f\n' "$dry_min" "$dry_med" "$dry_max"
printf '  m_jar --upcoming 365  %.3f   %.3f   %.3f\n' "$year_min" "$year_med" "$year_max"
printf '  m_jar --upcoming 30   %.3f   %.3f   %.3f\n' "$month_min" "$month_med" "$month_max"
printf 'ratio of the medians, --upcoming 365 / --dry-run: %.2f\n' \
  "$(awk -v a="$year_med" -v b="$dry_med" 'BEGIN {print a / b}')"

# The wide-window capsule: each folder's window is 32767 days, every day.
wide=$tmp/wide
mkdir -p "$wide"
for i in $(seq 20); do
  folder="$wide/E3=32767$(printf '%*s' "$i" '')"
  mkdir "$folder"
  echo message >"$folder/note.txt"
done
wide_dry=("$m_jar" --dry-run --json --prev 2000-01-01 "$wide")
wide_ahead=("$m_jar" --upcoming 3660 --json "$wide")
for _ in $(seq "$runs"); do
  seconds_of "${wide_dry[@]}" >>"$tmp/wide_dry"
  seconds_of "${wide_ahead[@]}" >>"$tmp/wide_ahead"
done
read -r wdry_min wdry_med wdry_max < <(min_median_max <"$tmp/wide_dry")
read -r wide_min wide_med wide_max < <(min_median_max <"$tmp/wide_ahead")
printf 'capsule: 20 folders "E3=32767" (trailing spaces), 1 file each\n'
printf '  m_jar --dry-run       %.3f   %.3f   %.3f\n' "$wdry_min" "$wdry_med" "$wdry_max"
printf '  m_jar --upcoming 3660 %.3f   %.3f   %.3f\n' "$wide_min" "$wide_med" "$wide_max"
printf 'ratio of the medians, --upcoming 3660 / --dry-run: %.2f\n' \
  "$(awk -v a="$wide_med" -v b="$wdry_med" 'BEGIN {print a / b}')"
