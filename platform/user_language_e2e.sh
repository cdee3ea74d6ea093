#!/usr/bin/env bash
# Both programs' --help in the language the environment names: LANG, with
# LC_ALL, LC_MESSAGES and LANGUAGE above it, English when none names a
# language with a translation.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
m_jarin=${M_JARIN:?set M_JARIN to the m_jarin binary}
source "$(dirname "$0")/../tests/e2e_lib.sh"
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
summary
