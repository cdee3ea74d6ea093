#include "rules/calendar.h"

#include <cstdio>

#include "rules/failure.h"

namespace mj {

using namespace std::chrono;

namespace {

constexpr date kFirstSupported = year{100} / January / 1;
constexpr date kLastSupported = year{9999} / December / 31;

void fail_out_of_range(date from, date_unit unit, long long n) {
  static const char* const kUnitNames[] = {"days", "weeks", "months", "years"};
  fail(kInvalidArgument, format_iso_date(from) + " moved by " + std::to_string(n) + " " +
                             kUnitNames[static_cast<int>(unit)] + " leaves the years 100..9999");
}

}  // namespace

bool in_supported_range(date d) { return d >= kFirstSupported && d <= kLastSupported; }

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

std::optional<date> parse_iso_date(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  int parts[3] = {0, 0, 0};
  const std::pair<size_t, size_t> fields[3] = {{0, 4}, {5, 2}, {8, 2}};
  for (int f = 0; f < 3; ++f) {
    for (size_t i = 0; i < fields[f].second; ++i) {
      const char c = text[fields[f].first + i];
      if (c < '0' || c > '9') return std::nullopt;
      parts[f] = parts[f] * 10 + (c - '0');
    }
  }
  const year_month_day ymd{year{parts[0]}, month{static_cast<unsigned>(parts[1])},
                           day{static_cast<unsigned>(parts[2])}};
  if (!ymd.ok() || !in_supported_range(sys_days{ymd})) return std::nullopt;
  return sys_days{ymd};
}

std::string format_iso_date(date d) {
  const year_month_day ymd{d};
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buffer;
}

}  // namespace mj
