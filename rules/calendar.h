// Whole days and the run calendar that every due test is judged against.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace mj {

using date = std::chrono::sys_days;

// The value of a date that was never set.
inline constexpr date zero_date =
    date{std::chrono::year{1899} / std::chrono::December / std::chrono::day{30}};

// Units of the date arithmetic used by the schedule names.
enum class date_unit { days, weeks, months, years };

// Moves `d` by `n` units. Days and weeks move whole days; months and years keep
// the day number and fall back to the last day of a shorter month. Fails with
// kInvalidArgument when the result lies outside the years 100..9999.
date add_to_date(date d, date_unit unit, long long n);
inline date add_days(date d, long long n) { return add_to_date(d, date_unit::days, n); }
inline date add_months(date d, long long n) { return add_to_date(d, date_unit::months, n); }

bool in_supported_range(date d);

// 1 = Sunday .. 7 = Saturday.
int weekday_number(date d);
int day_number(date d);
int month_number(date d);
int year_number(date d);

// The days every due test of one run reads; fixed once at start-up.
struct run_calendar {
  date today;
  date month_end;   // last day of today's month
  date year_start;  // 1 January of today's year
  date year_end;    // 31 December of today's year
};

run_calendar make_run_calendar(date today);

// Whole days strictly between the last run and today; 0 for a gap of one day
// or less, and for a last run in the future.
long long missed_days_between(date last_run, date today);

// "YYYY-MM-DD" with a four-digit year in 100..9999; anything else is nullopt.
std::optional<date> parse_iso_date(std::string_view text);
std::string format_iso_date(date d);

}  // namespace mj
