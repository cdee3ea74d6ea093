#include "rules/date_text.h"

#include <string>

#include "rules/failure.h"

namespace mj {

using namespace std::chrono;

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
  fail(kTypeMismatch,
       "\"" + std::string(y) + "/" + std::string(m) + "/" + std::string(d) + "\" is not a date");
}

}  // namespace

date date_from_parts(std::string_view year_text, std::string_view month_text,
                     std::string_view day_text, int near_year) {
  long y = 0, m = 0, d = 0;
  if (!read_digits(year_text, y) || !read_digits(month_text, m) || !read_digits(day_text, d))
    fail_not_a_date(year_text, month_text, day_text);
  if (year_text.size() <= 2) y = expand_short_year(y, near_year);
  if (y < 100 || y > 9999 || m > 12 || d > 31) fail_not_a_date(year_text, month_text, day_text);
  const year_month_day ymd{year{static_cast<int>(y)}, month{static_cast<unsigned>(m)},
                           day{static_cast<unsigned>(d)}};
  if (!ymd.ok()) fail_not_a_date(year_text, month_text, day_text);
  return sys_days{ymd};
}

date date_from_text(std::string_view text, int near_year) {
  const size_t first = text.find('/');
  const size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
  if (second == std::string_view::npos || text.find('/', second + 1) != std::string_view::npos)
    fail(kTypeMismatch, "\"" + std::string(text) + "\" is not a date");
  return date_from_parts(text.substr(0, first), text.substr(first + 1, second - first - 1),
                         text.substr(second + 1), near_year);
}

}  // namespace mj
