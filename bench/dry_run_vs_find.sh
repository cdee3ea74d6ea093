#!/usr/bin/env bash
# How long `m_jar --dry-run --json` takes over a large capsule compared with
# `find` merely listing every file with its time: the median of several runs
# of each, and their ratio (target: at most 2).
#   bench/dry_run_vs_find.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-7}
m_jar=$build/opener/m_jar
make_capsule=$build/bench/make_capsule
[[ -x $m_jar && -x $make_capsule ]] || { echo "build first: cmake --build $build" >&2; exit 2; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$make_capsule" "$tmp/capsule" 2000 50

median_seconds() {  # COMMAND...
  local times=()
  "$@" >/dev/null  # warm the caches once
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    times+=("$(awk -v a="$start" -v b="$end" 'BEGIN {print b - a}')")
  done
  printf '%s\n' "${times[@]}" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

dry=$(median_seconds env XDG_CONFIG_HOME="$tmp/config" "$m_jar" --dry-run --json --prev 2000-01-01 "$tmp/capsule")
find_time=$(median_seconds find "$tmp/capsule" -type f -printf '%T@ %p\n')
queued=$(XDG_CONFIG_HOME="$tmp/config" "$m_jar" --dry-run --json --prev 2000-01-01 "$tmp/capsule" |
  grep -o '"path":' | wc -l)
printf 'files queued by the dry run: %s\n' "$queued"
printf 'median of %d runs: m_jar --dry-run --json %.3f s, find %.3f s, ratio %.2f\n' \
  "$runs" "$dry" "$find_time" "$(awk -v a="$dry" -v b="$find_time" 'BEGIN {print a / b}')"
