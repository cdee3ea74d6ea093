#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The bash completion of m_jar and m_jarin, called as bash calls it (COMP_WORDS,
# COMP_CWORD, COMP_LINE, COMP_POINT) on a capsule in a temporary home: once
# with bash-completion's helpers loaded, as installed, and once on its own.
set -u
completion=${COMPLETION:?}
m_jar=${M_JAR:?}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp/home
mkdir -p "$HOME/Morrowjar"/{TOMORROW,"EVERY MONTH",12-25+,SUNDAY@2=3+-,E}
touch "$HOME/Morrowjar/loose note.txt" "$HOME/Morrowjar/TOMORROW/not a folder.txt"
mkdir -p "$tmp/other/OTHER" "$tmp/work/Capsules" "$tmp/work/Cellar"
touch "$tmp/work/Card.txt"
cd "$tmp/work" || exit 1
today=$(date +%Y-%m-%d)
failed=0

# check DESCRIPTION EXPECTED CWORD WORD...: completes word CWORD of the line
# made of the words (as bash splits them; the line is the words joined by
# spaces, the cursor at the end of word CWORD). EXPECTED: the replies sorted
# and joined by "|".
check() {
  local description=$1 expected=$2 cword=$3
  shift 3
  COMP_WORDS=("$@")
  COMP_CWORD=$cword
  COMP_LINE="$*"
  local before=("${COMP_WORDS[@]:0:cword+1}")
  local head="${before[*]}"
  COMP_POINT=${#head}
  COMPREPLY=()
  local function=_m_jar
  [[ $1 == m_jarin ]] && function=_m_jarin
  "$function" "$1" "${COMP_WORDS[cword]}" "${COMP_WORDS[cword - 1]}" 2>"$tmp/stderr"
  local actual
  actual=$(printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd'|')
  if [[ $actual != "$expected" ]]; then
    echo "FAIL ($mode): $description: [$*] gave '$actual', expected '$expected'"
    failed=1
  fi
  if [[ -s $tmp/stderr ]]; then
    echo "FAIL ($mode): $description: wrote to stderr: $(cat "$tmp/stderr")"
    failed=1
  fi
}

run_cases() {
  local all_options
  all_options=$(printf '%s\n' --explain --next --dry-run --upcoming --today --prev --missed-days \
    --served-through --count --json --ics --watch --quiet -h --help --help-all -v --version |
    LC_ALL=C sort | paste -sd'|')
  check "every option at the start" "$all_options" 1 m_jar -
  check "an option by its start" "--explain" 1 m_jar --ex
  check "options of --dry-run" "--json|--prev|--today" 2 m_jar --dry-run --
  check "options of --explain, less those given" "--missed-days|--today" 4 m_jar --explain E --json --
  check "options of --next" "--count|--json|--served-through|--today" 3 m_jar --next E --
  check "options of --upcoming" "--ics|--json|--today" 3 m_jar --upcoming 14 --

  check "folder names for --explain, quoted for the line" \
    '12-25+|E|EVERY\ MONTH|SUNDAY@2=3+-|TOMORROW' 2 m_jar --explain ''
  check "folder names for --next by their start" 'E|EVERY\ MONTH' 2 m_jar --next E
  check "a name with a space, typed with its backslash" 'EVERY\ MONTH' 2 m_jar --next 'EVERY\ M'
  check "a name inside quotes as it is" 'EVERY MONTH' 2 m_jar --next '"EVERY M'
  check "a name after another option" 'TOMORROW' 4 m_jar --today 2026-01-01 --explain T
  check "the folders of a capsule root typed on the line" 'OTHER' 2 m_jar --explain O "$tmp/other"
  check "a word that is no folder leaves ~/Morrowjar" 'SUNDAY@2=3+-' 2 m_jar --explain S \
    "$tmp/work/Card.txt"
  HOME=$tmp/work check "no capsule root, no names, no noise" '' 2 m_jar --explain ''

  check "today's date for --today" "$today" 2 m_jar --today ''
  check "today's date for --prev" "$today" 3 m_jar --dry-run --prev ''
  check "nothing for a count" '' 4 m_jar --next E --count ''

  check "a capsule root for --dry-run" 'Capsules|Cellar' 2 m_jar --dry-run C
  check "a capsule root for --upcoming after DAYS" 'Capsules|Cellar' 3 m_jar --upcoming 14 C
  check "the classic command line: a location" 'Capsules|Cellar' 1 m_jar C
  check "the classic command line after a delay" 'Capsules|Cellar' 2 m_jar 5 C
  check "--quiet after --watch" '--quiet' 2 m_jar --watch -
  check "a location after --watch --quiet" 'Capsules|Cellar' 3 m_jar --watch --quiet C

  check "m_jarin's options" '--|--help|--version|-h' 1 m_jarin -
  check "m_jarin's capsule root" 'Capsules|Cellar' 1 m_jarin C
  check "m_jarin's capsule root after --" 'Capsules|Cellar' 2 m_jarin -- C
}

# Installed, bash-completion loads the file and its helpers are there; these
# join the words bash splits at "=", as in SUNDAY@2=3+-.
helpers=/usr/share/bash-completion/bash_completion
if [[ -r $helpers ]]; then
  (
    mode=helpers
    # shellcheck source=/dev/null
    source "$helpers"
    # shellcheck source=/dev/null
    source "$completion"
    run_cases
    COMP_WORDBREAKS=$' \t\n"\'><=;|&(:'
    COMP_WORDS=(m_jar --explain SUNDAY@2 =)
    COMP_CWORD=3
    COMP_LINE="m_jar --explain SUNDAY@2="
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _m_jar m_jar = SUNDAY@2
    [[ ${COMPREPLY[*]} == "3+-" ]] ||
      { echo "FAIL (helpers): a name with \"=\": '${COMPREPLY[*]}', expected '3+-'"; exit 1; }
    exit "$failed"
  ) || failed=1
else
  echo "SKIP (part): bash-completion is not installed"
fi
(
  mode=alone
  # shellcheck source=/dev/null
  source "$completion"
  run_cases
  exit "$failed"
) || failed=1

# Every option of m_jar --help is completed.
(
  source "$completion"
  mode=options
  COMP_WORDS=(m_jar -)
  COMP_CWORD=1
  _m_jar m_jar - m_jar
  for option in $(LC_ALL=C "$m_jar" --help | grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u); do
    [[ " ${COMPREPLY[*]} " == *" $option "* ]] ||
      { echo "FAIL: m_jar --help has $option, the completion does not"; exit 1; }
  done
) || failed=1

[[ $failed == 0 ]] && echo "bash completion: all checks passed"
exit "$failed"
