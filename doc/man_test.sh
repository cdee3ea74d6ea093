#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The man pages: no warning from man at the widths of a terminal and of
# lintian's check; m_jar(1) and m_jarin(1) name every option of the programs'
# --help; morrowjar(5) holds every schedule name of the README's table.
set -u
: "${MAN_PAGES:?}" "${M_JAR:?}" "${M_JARIN:?}" "${README:?}"
command -v man >/dev/null || { echo "SKIP: man (man-db) is not installed"; exit 77; }
export LC_ALL=C.UTF-8
source "$(dirname "$0")/../tests/e2e_lib.sh"

# The page as text, without the overstriking of bold and underline.
page_text() {
  MANWIDTH=200 man -l -Tutf8 -P cat "$1" 2>/dev/null | sed 's/.\x08//g'
}

IFS=: read -r -a pages <<<"$MAN_PAGES"
((${#pages[@]} == 3)) || fail "expected three pages, got: $MAN_PAGES"
for page in "${pages[@]}"; do
  for width in 80 120; do
    warnings=$(MANWIDTH=$width man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    status=$?
    ((status == 0)) || fail "man ${page##*/} at width $width: exit status $status"
    [[ -z $warnings ]] || fail "man ${page##*/} at width $width warns: $warnings"
  done
  [[ $(page_text "$page" | head -1) == *"("[158]")"* ]] || fail "${page##*/}: no title line"
done

page_named() { printf '%s\n' "${pages[@]}" | grep "/$1\$"; }
schedule_text=$(page_text "$(page_named 'morrowjar\.5')")

# Each option the programs offer is described (their --help in English).
for program in "$M_JAR" "$M_JARIN"; do
  name=${program##*/}
  text=$(page_text "$(page_named "$name\\.1")")
  options=$(LC_ALL=C "$program" --help | grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
  [[ $options == *--help* ]] || fail "no options read from $name --help: $options"
  for option in $options; do
    grep -qE -- "(^|[^a-z-])$option([^a-z-]|\$)" <<<"$text" || fail "$name(1) lacks $option"
  done
done

# Each example name of the README's table of schedule names.
names=$(sed -n '/^| Name | Example | Due |$/,/^$/p' "$README" | cut -d'|' -f3 |
  grep -oE '`[^`]+`' | tr -d '`')
(($(wc -l <<<"$names") >= 20)) || fail "the README's table was not found: $names"
while IFS= read -r name; do
  grep -qF -- "$name" <<<"$schedule_text" || fail "morrowjar(5) lacks the example $name"
done <<<"$names"
# And each marker's example.
for name in 1998-12-25=3 TOMORROW=3 YEAR1=7 12-25+ 12-25- 98-12-25- SUNDAY@2- YEAR1- \
  SUNDAY@2=3+- 30-1-15; do
  grep -qF -- "$name" <<<"$schedule_text" || fail "morrowjar(5) lacks the example $name"
done

summary
