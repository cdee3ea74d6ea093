#include "rules/numbers.h"

#include <limits>
#include <string>

#include "rules/failure.h"

namespace mj {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Any integer part longer than this is far outside 16 bits; stopping here
// keeps the arithmetic below free of overflow for texts of any length.
constexpr size_t kMaxSignificantDigits = 9;

}  // namespace

int16_t checked_int16(long long value) {
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
    fail(kOverflow, std::to_string(value) + " is outside -32768..32767");
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
    fail(kOverflow, std::string(text.substr(int_begin, 20)) + "... is outside -32768..32767");
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

}  // namespace mj
