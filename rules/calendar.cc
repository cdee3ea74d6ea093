// SPDX-License-Identifier: MIT
#include "rules/calendar.h"

#include <string>

#include "base/wording.h"
#include "rules/failure_error.h"
#include "rules/numbers.h"

namespace mj {

using namespace std::chrono;

namespace {

[[noreturn]] void fail_out_of_range(date from, date_unit unit, long long n) {
  const std::string count = std::to_string(n);
  std::string moved;
  switch (unit) {
    case date_unit::days:
      moved = fill(localized("mj::calendar", "%1 moved by %2 days"), {day_words(from), count});
      break;
    case date_unit::weeks:
      moved = fill(localized("mj::calendar", "%1 moved by %2 weeks"), {day_words(from), count});
      break;
    case date_unit::months:
      moved = fill(localized("mj::calendar", "%1 moved by %2 months"), {day_words(from), count});
      break;
    case date_unit::years:
      moved = fill(localized("mj::calendar", "%1 moved by %2 years"), {day_words(from), count});
      break;
  }
  fail(failure_code::invalid_argument,
       fill(localized("mj::calendar", "%1 falls outside the years 100 to 9999"), {moved}));
}

}  // namespace

date add_to_date(date d, date_unit unit, long long n) {
  switch (unit) {
    case date_unit::days:
    case date_unit::weeks: {
      const long long step = unit == date_unit::weeks ? 7 : 1;
      // Anything beyond this many days leaves the supported years anyway.
      if (n > 4'000'000 || n < -4'000'000) fail_out_of_range(d, unit, n);
      const date result = d + days{n * step};
      if (!in_supported_range(result)) fail_out_of_range(d, unit, n);
      return result;
    }
    case date_unit::months:
    case date_unit::years: {
      const year_month_day ymd{d};
      const long long months_n = unit == date_unit::years ? n * 12 : n;
      const long long month_index =
          static_cast<int>(ymd.year()) * 12LL + (static_cast<unsigned>(ymd.month()) - 1) + months_n;
      const long long y = month_index >= 0 ? month_index / 12 : (month_index - 11) / 12;
      if (y < 100 || y > 9999) fail_out_of_range(d, unit, n);
      const auto m = static_cast<unsigned>(month_index - y * 12 + 1);
      year_month_day result = year{static_cast<int>(y)} / month{m} / ymd.day();
      if (!result.ok()) result = result.year() / result.month() / last;
      return sys_days{result};
    }
  }
  return d;
}

int weekday_number(date d) { return static_cast<int>(weekday{d}.c_encoding()) + 1; }
int day_number(date d) { return static_cast<int>(static_cast<unsigned>(year_month_day{d}.day())); }
int month_number(date d) {
  return static_cast<int>(static_cast<unsigned>(year_month_day{d}.month()));
}
int year_number(date d) { return static_cast<int>(year_month_day{d}.year()); }

run_calendar make_run_calendar(date today) {
  const year_month_day ymd{today};
  return run_calendar{
      .today = today,
      .month_end = sys_days{ymd.year() / ymd.month() / last},
      .year_start = sys_days{ymd.year() / January / 1},
      .year_end = sys_days{ymd.year() / December / 31},
  };
}

long long missed_days_between(date last_run, date today) {
  const long long gap = (today - last_run).count();
  return gap > 1 ? gap - 1 : 0;
}

int16_t week_of_month(int16_t day) {
  const int16_t x = checked_sub(day, 1);
  // Floor division, so that days before the 1st fall in week 0 and below.
  const int quotient = x >= 0 ? x / 7 : -((-x + 6) / 7);
  return static_cast<int16_t>(quotient + 1);
}

date nth_weekday_from(date start, int16_t weekday, int16_t week) {
  const int16_t base = checked_mul(checked_sub(week, 1), 7);
  int16_t offset = checked_sub(weekday, static_cast<int16_t>(weekday_number(start)));
  if (offset < 0) offset = checked_add(offset, 7);
  const int16_t total = checked_add(base, offset);
  return add_days(start, total);
}

}  // namespace mj
