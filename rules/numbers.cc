// SPDX-License-Identifier: MIT
#include "rules/numbers.h"

#include <limits>
#include <string>

#include "base/visible_text.h"
#include "base/wording.h"
#include "rules/failure_error.h"

namespace mj {

using namespace std::chrono;

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Any integer part longer than this is far outside 16 bits; stopping here
// keeps the arithmetic below free of overflow for texts of any length.
constexpr size_t kMaxSignificantDigits = 9;

}  // namespace

int16_t checked_int16(long long value) {
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
    fail(failure_code::overflow,
         fill(localized("mj::numbers", "the number %1 is out of range (-32768 to 32767)"),
              {std::to_string(value)}));
  return static_cast<int16_t>(value);
}

int16_t checked_add(int16_t a, int16_t b) { return checked_int16(static_cast<long long>(a) + b); }
int16_t checked_sub(int16_t a, int16_t b) { return checked_int16(static_cast<long long>(a) - b); }
int16_t checked_mul(int16_t a, int16_t b) { return checked_int16(static_cast<long long>(a) * b); }

int16_t leading_number(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const size_t int_begin = i;
  while (i < text.size() && is_digit(text[i])) ++i;
  std::string_view int_digits = text.substr(int_begin, i - int_begin);
  std::string_view frac_digits;
  if (i < text.size() && text[i] == '.') {
    const size_t frac_begin = ++i;
    while (i < text.size() && is_digit(text[i])) ++i;
    frac_digits = text.substr(frac_begin, i - frac_begin);
  }

  while (!int_digits.empty() && int_digits.front() == '0') int_digits.remove_prefix(1);
  if (int_digits.size() > kMaxSignificantDigits)
    fail(failure_code::overflow,
         fill(localized("mj::numbers", "the number %1 is out of range (-32768 to 32767)"),
              {std::string(text.substr(int_begin, 20)) + "..."}));
  long long magnitude = 0;
  for (char c : int_digits) magnitude = magnitude * 10 + (c - '0');

  // Exact decimal rounding: compare the fraction with one half digit by digit.
  if (!frac_digits.empty()) {
    const char first = frac_digits.front();
    bool above_half = first > '5';
    if (first == '5') above_half = frac_digits.find_first_not_of('0', 1) != std::string_view::npos;
    const bool exactly_half = first == '5' && !above_half;
    if (above_half || (exactly_half && magnitude % 2 == 1)) ++magnitude;
  }
  return checked_int16(negative ? -magnitude : magnitude);
}

namespace {

// Longer digit runs cannot name a supported year, month or day.
constexpr size_t kMaxDigits = 6;

bool read_digits(std::string_view text, long& value) {
  if (text.empty() || text.size() > kMaxDigits) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

long expand_short_year(long two_digits, int near_year) {
  const long lowest = near_year - 50L;
  return lowest + ((two_digits - lowest) % 100 + 100) % 100;
}

[[noreturn]] void fail_not_a_date(std::string_view y, std::string_view m, std::string_view d) {
  fail(failure_code::type_mismatch,
       fill(localized("mj::numbers", "\"%1\" is not a date"),
            {std::string(y) + "/" + std::string(m) + "/" + std::string(d)}));
}

// A date written in digits that names no day: say what is wrong with it.
[[noreturn]] void fail_no_such_day(long y, long m, long d) {
  const std::string year = std::to_string(y), month = std::to_string(m);
  std::string why;
  if (y < 100 || y > 9999)
    why = fill(localized("mj::numbers", "the year %1 is outside 100 to 9999"), {year});
  else if (m < 1 || m > 12)
    why = fill(localized("mj::numbers", "there is no month %1 in %2"), {month, year});
  else
    why = fill(localized("mj::numbers", "%1 %2 %3 does not exist"),
               {std::to_string(d), month_words(m), year, month});
  fail(failure_code::type_mismatch, why);
}

}  // namespace

date date_from_parts(std::string_view year_text, std::string_view month_text,
                     std::string_view day_text, int near_year) {
  long y = 0, m = 0, d = 0;
  if (!read_digits(year_text, y) || !read_digits(month_text, m) || !read_digits(day_text, d))
    fail_not_a_date(year_text, month_text, day_text);
  if (year_text.size() <= 2) y = expand_short_year(y, near_year);
  if (y < 100 || y > 9999 || m > 12 || d > 31) fail_no_such_day(y, m, d);
  const year_month_day ymd{year{static_cast<int>(y)}, month{static_cast<unsigned>(m)},
                           day{static_cast<unsigned>(d)}};
  if (!ymd.ok()) fail_no_such_day(y, m, d);
  return sys_days{ymd};
}

result<date> date_from_text(std::string_view text, int near_year) {
  const size_t first = text.find('/');
  const size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
  if (second == std::string_view::npos || text.find('/', second + 1) != std::string_view::npos)
    return make_failure(failure_code::type_mismatch,
                        fill(localized("mj::numbers", "\"%1\" is not a date"), {printable(text)}));
  date d{};
  const std::optional<failure> failed = failure_of([&] {
    d = date_from_parts(text.substr(0, first), text.substr(first + 1, second - first - 1),
                        text.substr(second + 1), near_year);
  });
  if (failed) return *failed;
  return d;
}

}  // namespace mj
