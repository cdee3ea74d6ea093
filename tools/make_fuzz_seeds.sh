#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes the seed corpus of the folder-evaluation fuzzer: every schedule name
# written in the README (`...` spans) and every string literal of the tests
# that can be a folder name (no "/", no file names, no source identifiers), each behind a run-day header (see
# rules/fuzz/folder_evaluation_fuzz.cc). Run days cycle through a few that
# sit on edges: a plain day with missed days, a leap day, a year's end, the
# first and the last supported day. Rerun after adding names to tests.
set -euo pipefail
cd "$(dirname "$0")/.."

out=rules/fuzz/corpus
run_days=("1998-12-16 4" "2000-02-29 0" "1999-12-31 40" "0100-01-01 0" "9999-12-31 2")

candidates() {
  grep -o '`[^`]*`' README.md | sed 's/^`//; s/`$//' | grep -E '^[A-Za-z0-9 @=+.-]{1,40}$'
  cat rules/*_test.cc opener/*_test.cc writer/*_test.cc opener/tests/*.sh writer/tests/*.sh |
    grep -o '"[^"]*"' | sed 's/^"//; s/"$//' |
    grep -v -E '[$%:;<>{}()|/_]|\.(txt|h|cc)|--| [a-z]{2,}' | awk 'length($0) <= 80'
}

# The 24-bit little-endian header field for a number, as printf escapes.
le24() { printf '\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)); }

day_index() {
  local first
  first=$(date -u -d 0100-01-01 +%s)
  echo $((($(date -u -d "$1" +%s) - first) / 86400))
}

rm -rf "$out"
mkdir -p "$out"
n=0
while IFS= read -r name; do
  read -r day missed <<<"${run_days[n % ${#run_days[@]}]}"
  tmp=$(mktemp)
  printf "$(le24 "$(day_index "$day")")$(le24 "$missed")%b" "$name" >"$tmp"
  mv "$tmp" "$out/$(sha1sum "$tmp" | cut -c1-40)"
  n=$((n + 1))
done < <(candidates | sort -u)
echo "$n seeds in $out"
