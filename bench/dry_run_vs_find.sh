#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# How long `m_jar --dry-run --json` takes over a large capsule compared with
# `find` merely listing every file with its time: min/median/max of several
# runs of each, the ratio of the medians (target: at most 2), and the peak
# memory of each (with /usr/bin/time, Debian package "time"). Then the dry
# run's worst case at the floor: 2,000 folders DAY1 ... DAY2000 of 50 files
# each, their times spread over the last 400 days, so that the time of every
# file is read and about 10,000 are queued: the CPU time of the dry run
# against find's, PAIRS pairs measured in turns, and the ratio of the medians
# (target: at most 1.2).
#   bench/dry_run_vs_find.sh [BUILD_DIR] [RUNS] [PAIRS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/bench_lib.sh"
build=${1:-build-bench}
runs=${2:-7}
pairs=${3:-9}
m_jar=$build/opener/m_jar
make_capsule=$build/bench/make_capsule
[[ -x $m_jar && -x $make_capsule ]] || { echo "build first: bench/run builds $build" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$make_capsule" "$tmp/capsule" 2000 50

seconds_of_runs() {  # COMMAND...
  "$@" >/dev/null  # warm the caches once
  for _ in $(seq "$runs"); do seconds_of "$@"; done | min_median_max
}

# Peak resident memory in MiB over the runs.
peak_mib_of_runs() {  # COMMAND...
  for _ in $(seq "$runs"); do
    /usr/bin/time -f '%M' -o "$tmp/rss" "$@" >/dev/null
    awk '{print $1 / 1024}' "$tmp/rss"
  done | min_median_max
}

dry_run=(env XDG_CONFIG_HOME="$tmp/config" "$m_jar" --dry-run --json --prev 2000-01-01 "$tmp/capsule")
list=(find "$tmp/capsule" -type f -printf '%T@ %p\n')
read -r dry_min dry_med dry_max < <(seconds_of_runs "${dry_run[@]}")
read -r find_min find_med find_max < <(seconds_of_runs "${list[@]}")
queued=$("${dry_run[@]}" | grep -o '"path":' | wc -l)
printf 'capsule: 2000 folders x 50 files, %s files queued by the dry run\n' "$queued"
printf '%d runs, seconds   min     median  max\n' "$runs"
printf '  m_jar --dry-run  %.3f   %.3f   %.3f\n' "$dry_min" "$dry_med" "$dry_max"
printf '  find             %.3f   %.3f   %.3f\n' "$find_min" "$find_med" "$find_max"
printf 'ratio of the medians %.2f\n' "$(awk -v a="$dry_med" -v b="$find_med" 'BEGIN {print a / b}')"

if [[ -x /usr/bin/time ]]; then
  read -r mem_min mem_med mem_max < <(peak_mib_of_runs "${dry_run[@]}")
  read -r fmem_min fmem_med fmem_max < <(peak_mib_of_runs "${list[@]}")
  printf 'peak memory, MiB   min     median  max\n'
  printf '  m_jar --dry-run  %6.1f  %6.1f  %6.1f\n' "$mem_min" "$mem_med" "$mem_max"
  printf '  find             %6.1f  %6.1f  %6.1f\n' "$fmem_min" "$fmem_med" "$fmem_max"
else
  echo 'peak memory: not measured, /usr/bin/time is missing (Debian package "time")'
fi

"$make_capsule" "$tmp/days" 2000 50 days >/dev/null
days_dry_run=(env XDG_CONFIG_HOME="$tmp/config" "$m_jar" --dry-run --json "$tmp/days")
days_list=(find "$tmp/days" -type f -printf '%T@ %p\n')
"${days_dry_run[@]}" >/dev/null  # warm the caches once
for _ in $(seq "$pairs"); do
  cpu_seconds_of "${days_dry_run[@]}" >>"$tmp/days_dry_run"
  cpu_seconds_of "${days_list[@]}" >>"$tmp/days_list"
done
read -r ddry_min ddry_med ddry_max < <(min_median_max <"$tmp/days_dry_run")
read -r dfind_min dfind_med dfind_max < <(min_median_max <"$tmp/days_list")
queued=$("${days_dry_run[@]}" | grep -o '"path":' | wc -l)
printf 'capsule: DAY1 ... DAY2000 x 50 files of the last 400 days, %s files queued\n' "$queued"
printf '%d pairs, CPU seconds  min     median  max\n' "$pairs"
printf '  m_jar --dry-run  %.3f   %.3f   %.3f\n' "$ddry_min" "$ddry_med" "$ddry_max"
printf '  find             %.3f   %.3f   %.3f\n' "$dfind_min" "$dfind_med" "$dfind_max"
printf 'ratio of the medians %.2f\n' "$(awk -v a="$ddry_med" -v b="$dfind_med" 'BEGIN {print a / b}')"
