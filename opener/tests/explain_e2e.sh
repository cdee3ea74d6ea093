#!/usr/bin/env bash
# Runs the built m_jar --explain and checks its answers and exit statuses.
set -u
m_jar=${M_JAR:?set M_JAR to the m_jar binary}
passed=0 failed=0

expect_json() {  # NAME TODAY MISSED EXPECTED-FRAGMENT...
  local name=$1 today=$2 missed=$3
  shift 3
  local out
  out=$("$m_jar" --explain --today "$today" --missed-days "$missed" --json -- "$name")
  for fragment in "$@"; do
    if [[ $out == *"$fragment"* ]]; then
      passed=$((passed + 1))
    else
      failed=$((failed + 1))
      echo "FAIL: $name on $today: no $fragment in $out"
    fi
  done
}

expect_status() {  # STATUS ARGS...
  local want=$1
  shift
  "$m_jar" "$@" >/dev/null 2>/tmp/m_jar_e2e_err.$$
  local got=$?
  if [[ $got == "$want" ]]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: m_jar $* exited $got, not $want"
  fi
  rm -f /tmp/m_jar_e2e_err.$$
}

expect_json "Sunday@2=3+-" 1998-12-16 4 '"rule_name":"SUNDAY"' '"minus":true' '"plus":true' \
  '"period":3' '"period2":6' '"mweek":2' '"test":"after"' '"flag":1'
expect_json TOMORROW 1998-12-16 0 '"flag":4' '"time_stamp":"1998-12-15"' '"time_stamp_to":"1998-12-15"'
expect_json "EVERY MONTH 3" 1998-12-16 0 '"flag":3' '"interval":3' '"time_stamp":"1998-12-16"'
expect_json YEAR1 1998-12-16 0 '"flag":2' '"time_stamp":"1997-12-16"'
expect_json "DAY3=2" 1998-12-16 0 '"flag":4' '"time_stamp":"1998-12-12"' '"time_stamp_to":"1998-12-13"'
expect_json "MONDAY=3" 1998-12-16 0 '"flag":1'
expect_json MONDAY 1998-12-16 0 '"flag":0' '"time_stamp":"1899-12-30"'
expect_json "12-14+" 1998-12-16 2 '"flag":1'
expect_json "98-12-16" 1998-12-16 0 '"flag":1' '"failures":[]'
expect_json "E20-" 1998-12-16 0 '"flag":1' '"test":"after"'
expect_json "98-2-30" 1998-12-16 0 '"flag":0' '"code":13'
expect_json "EVERYDAY40000" 1998-12-16 0 '"flag":0' '"interval":0' '"code":6'
expect_json "-" 1998-12-16 0 '"rule_name":""' '"minus":true' '"flag":1'

expect_status 0 --help
expect_status 0 --version
expect_status 0 --explain TOMORROW
expect_status 2 --explain
expect_status 2 --explain --today 1998-13-01 TOMORROW
expect_status 2 --explain --bogus TOMORROW

echo "$passed passed, $failed failed"
[[ $failed == 0 ]]
