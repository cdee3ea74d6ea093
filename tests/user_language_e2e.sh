#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Both programs' --help, and the opener's answers, in the language the
# environment names: LANG, with LC_ALL, LC_MESSAGES and LANGUAGE above it,
# English when none names a language with a translation.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
m_jarin=${M_JARIN:?set M_JARIN to the m_jarin binary}
source "$(dirname "$0")/e2e_lib.sh"
unset LC_ALL

# help PROGRAM VAR=VALUE...: the program's --help under exactly these locale variables.
help() {
  local program=$1
  shift
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@" "$program" --help 2>/dev/null
}

english_opener='Opens the files of the schedule folders that are due today.'
japanese_opener='今日が期日の予定フォルダーのファイルを開きます。'
english_writer="Morrowjar's writer: type a message and a schedule name"
japanese_writer='Morrowjar の書き込み: メッセージと予定名を入力すると'

# VARIABLES... | expected language
cases=(
  "LANG=C|en"
  "LANG=en_US.UTF-8|en"
  "LANG=de_DE.UTF-8|en"
  "LANG=ja_JP.UTF-8|ja"
  "LANG=C LC_MESSAGES=ja_JP.UTF-8|ja"
  "LANG=ja_JP.UTF-8 LC_ALL=C|en"
  "LANG=ja_JP.UTF-8 LC_ALL=en_US.UTF-8|en"
)
for entry in "${cases[@]}"; do
  read -r -a variables <<<"${entry%|*}"
  language=${entry#*|}
  if [[ $language == ja ]]; then
    opener=$japanese_opener writer=$japanese_writer
  else
    opener=$english_opener writer=$english_writer
  fi
  check "m_jar --help under ${variables[*]} is $language" \
    grep -qF "$opener" <(help "$m_jar" "${variables[@]}")
  check "m_jarin --help under ${variables[*]} is $language" \
    grep -qF "$writer" <(help "$m_jarin" "${variables[@]}")
done

# The opener's answers and its errors: sentences in the language, days as the
# locale writes them (the C locale keeps the programs' own "Mon 7 Dec 2026").
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
capsule=$tmp/capsule
mkdir -p "$capsule/TOMORROW" "$capsule/98-2-30"
echo note >"$capsule/root.txt"
echo note >"$capsule/TOMORROW/stored.txt"
touch -d "2026-12-07 12:00" "$capsule/TOMORROW/stored.txt"

# answer VAR=VALUE... -- ARGS...: what m_jar prints, both streams, under
# exactly these locale variables.
answer() {
  local variables=()
  while [[ $1 != -- ]]; do
    variables+=("$1")
    shift
  done
  shift
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "${variables[@]}" "$m_jar" "$@" 2>&1
}

# says 'VAR=VALUE...' TEXT ARGS...: m_jar ARGS under those variables prints
# TEXT (which may span lines).
says() {
  local variables text=$2 out
  read -r -a variables <<<"$1"
  shift 2
  out=$(answer "${variables[@]}" -- "$@")
  check "m_jar $* under ${variables[*]} says: $text" contains "$out" "$text"
  contains "$out" "$text" || printf '%s\n' "$out" | sed 's/^/  | /'
}
contains() { [[ $1 == *"$2"* ]]; }

# same_json ARGS...: m_jar ARGS --json prints the same under Japanese as under C.
same_json() {
  check "m_jar $* --json is the same in every locale" \
    test "$(answer "$ja" -- "$@" --json)" == "$(answer "$c" -- "$@" --json)"
}

ja=LANG=ja_JP.UTF-8 us=LANG=en_US.UTF-8 c=LANG=C.UTF-8
explain=(--explain TOMORROW --today 2026-12-07)
next=(--next TOMORROW --today 2026-12-07)
dry_run=(--dry-run --today 2026-12-08 --prev 2026-12-06 "$capsule")
upcoming=(--upcoming 3 --today 2026-12-07 "$capsule")

says "$ja" '2026年12月7日月曜日: ' "${explain[@]}"
says "$us" 'On Mon, Dec 7, 2026: ' "${explain[@]}"
says "$c" 'On Mon 7 Dec 2026: ' "${explain[@]}"
says "$ja LC_ALL=C" 'On Mon 7 Dec 2026: ' "${explain[@]}"
says "$ja" $'2026年12月7日月曜日に "TOMORROW" へ保存したファイルが開く日:\n  2026年12月8日火曜日' \
  "${next[@]}"
says "$us" $'A file stored on Mon, Dec 7, 2026 in "TOMORROW" would open on:\n  Tue, Dec 8, 2026' \
  "${next[@]}"
says "$ja" '、2026年12月8日火曜日 (抜けた日 1 日の後): 開くファイル 2 件。' "${dry_run[@]}"
says "$ja" $'root.txt\tカプセルルート直下: 毎回の実行で開く' "${dry_run[@]}"
says "$ja" 'フォルダー名を実在する日付に変えてください。' "${dry_run[@]}"
says "$us" ', Tue, Dec 8, 2026, after 1 missed day: 2 files to open.' "${dry_run[@]}"
says "$c" ', Tue 8 Dec 2026, after 1 missed day: 2 files to open.' "${dry_run[@]}"
says "$ja" '2026年12月7日月曜日から2026年12月9日水曜日までの 3 日間、毎日一回の実行:' "${upcoming[@]}"
says "$us" '3 days from Mon, Dec 7, 2026 to Wed, Dec 9, 2026, one run each day:' "${upcoming[@]}"
says "$ja" 'm_jar: --explain にはフォルダー名 NAME が必要です' --explain
says "$us" 'm_jar: --explain needs a folder NAME' --explain

# --help of both programs keeps within 80 terminal columns in every
# language, wide characters counted as two (Python's East Asian Width table,
# not the one this code uses); its headings and -h, --help-all and --version
# are translated too.
columns() {  # the widest line of stdin, in display columns
  /usr/bin/python3 -c '
import sys, unicodedata
print(max(sum(2 if unicodedata.east_asian_width(c) in "WF" else 1 for c in line.rstrip("\n"))
          for line in sys.stdin))'
}
for program in "$m_jar" "$m_jarin"; do
  for variables in "LANG=ja_JP.UTF-8" "LANG=C"; do
    widest=$(help "$program" $variables | columns)
    check "$(basename "$program") --help under $variables: widest line $widest <= 80" \
      test "$widest" -le 80
  done
  check "$(basename "$program") --help in Japanese has translated headings" \
    grep -qx 'オプション:' <(help "$program" LANG=ja_JP.UTF-8)
  check "$(basename "$program") -h in Japanese" \
    grep -q '^  -h, --help  *このヘルプを表示して終了します。$' <(help "$program" LANG=ja_JP.UTF-8)
done
check "m_jar --help-all in Japanese" \
  grep -q '^  --help-all  *--help と同じです。$' <(help "$m_jar" LANG=ja_JP.UTF-8)
check "m_jar --help-all is the help" \
  cmp -s <(help "$m_jar" LANG=ja_JP.UTF-8) \
  <(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=ja_JP.UTF-8 "$m_jar" --help-all 2>/dev/null)

# JSON is for scripts: the same bytes whatever the locale, problems included.
same_json "${explain[@]}"
same_json "${dry_run[@]}"
same_json "${upcoming[@]}"
summary
