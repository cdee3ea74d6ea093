#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The examples of the README and the man pages, run against the programs.
#
# An example is a block that shows a command after "$ " and, on the lines
# after it, what the command prints:
#   - in README.md, an indented code block whose first line starts "$ m_jar";
#   - in a man page, an .EX/.EE block whose first line starts "$ ".
# Each such command runs against the fixed capsule made below (a home folder
# /home/ann, shown as such), under LANG=C.UTF-8, and must print exactly the
# lines shown. Commands shown without "$ " are syntax, not examples.
#
#   examples_test.sh          check every example
#   examples_test.sh --show   print what each example's command prints now
#                             (each ended by a line of \036),
#                             to paste into the document after a change
#
# Examples must name their day with --today, so that they hold on any day.
set -u
: "${M_JAR:?}" "${M_JARIN:?}" "${README:?}" "${MAN_PAGES:?}"
M_JAR=$(realpath "$M_JAR") M_JARIN=$(realpath "$M_JARIN")
show=${1:-}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
source "$(dirname "$0")/../tests/e2e_lib.sh"

# The capsule of the examples: ~/Morrowjar of the user ann on Mon 7 Dec 2026.
home=$tmp/home/ann
capsule=$home/Morrowjar
message() {  # FILE TIME
  mkdir -p "$(dirname "$1")"
  echo "message" >"$1"
  touch -d "$2" "$1"
}
message "$capsule/read me.txt" "2026-11-30 09:00"
message "$capsule/TOMORROW/water the plants.txt" "2026-12-06 18:00"
message "$capsule/EVERY MONTH/pay the rent.txt" "2026-11-10 09:00"
message "$capsule/12-25/the tree is in the cellar.txt" "2026-01-06 10:00"
message "$capsule/1998-12-25/old letter.txt" "1998-12-01 10:00"

# run COMMAND: the command line as the example shows it, with the programs
# of this build, in the example's home folder.
run() {
  (
    cd "$home" || exit 1
    export HOME=$home XDG_CONFIG_HOME=$home/.config LANG=C.UTF-8 LC_ALL= LC_MESSAGES= LANGUAGE=
    m_jar() { "$M_JAR" "$@"; }
    m_jarin() { "$M_JARIN" "$@"; }
    eval "$1" 2>&1
  ) | sed "s|$tmp||g"
}

# check DOCUMENT BLOCK: the first line of BLOCK is "$ COMMAND", the others
# its output.
check_block() {
  local document=$1 block=$2 command expected actual
  command=$(head -1 <<<"$block")
  command=${command#\$ }
  expected=$(tail -n +2 <<<"$block")
  actual=$(run "$command")
  if [[ $show == --show ]]; then
    printf '%s: $ %s\n%s\n\036\n' "$document" "$command" "$actual"
  elif [[ $actual == "$expected" ]]; then
    pass
  else
    fail "$document: \$ $command"
    diff <(echo "$expected") <(echo "$actual") | sed 's/^/  /'
  fi
}

# The blocks of one document, each ended by a NUL.
readme_blocks() {
  # A code block goes on over blank lines when indented lines follow.
  awk '
    /^    \$ m_jar/ && !inside { inside = 1; block = substr($0, 5); blanks = ""; next }
    inside && /^$/ { blanks = blanks "\n"; next }
    inside && /^    / { block = block blanks "\n" substr($0, 5); blanks = ""; next }
    inside { printf "%s%c", block, 0; inside = 0 }
    END { if (inside) printf "%s%c", block, 0 }' "$1"
}
man_blocks() {
  awk '
    /^\.EX/ { inside = 1; block = ""; next }
    /^\.EE/ { if (inside && block ~ /^\$ /) printf "%s%c", block, 0; inside = 0; next }
    inside { block = (block == "" ? $0 : block "\n" $0) }' "$1" |
    # roff escapes, as the page shows them
    sed -e 's/\\-/-/g' -e 's/\\e/\\/g' -e 's/\\(lq/"/g' -e 's/\\(rq/"/g' -e "s/\\\\(aq/'/g"
}

count=0
while IFS= read -r -d '' block; do
  check_block README.md "$block"
  count=$((count + 1))
done < <(readme_blocks "$README")
IFS=: read -r -a pages <<<"$MAN_PAGES"
for page in "${pages[@]}"; do
  while IFS= read -r -d '' block; do
    check_block "${page##*/}" "$block"
    count=$((count + 1))
  done < <(man_blocks "$page")
done
[[ $show == --show ]] && exit 0
# A change of the marking that hid every example would pass unnoticed.
((count >= 8)) || fail "only $count examples found"
summary
