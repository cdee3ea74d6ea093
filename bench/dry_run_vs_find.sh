#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# How long `m_jar --dry-run --json` takes over a large capsule compared with
# `find` merely listing every file with its time: min/median/max of several
# runs of each, the ratio of the medians (target: at most 2), and the peak
# memory of each (with /usr/bin/time, Debian package "time").
#   bench/dry_run_vs_find.sh [BUILD_DIR] [RUNS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/bench_lib.sh"
build=${1:-build-bench}
runs=${2:-7}
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
