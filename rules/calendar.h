// SPDX-License-Identifier: MIT
// Whole-day arithmetic for the schedule names, the run calendar every due
// test is judged against, and the week-of-month counting behind "SUNDAY@2".
// Inside the rules a failure ends the step at once (rules/failure_error.h).
#pragma once

#include <cstdint>

#include "base/date.h"

namespace mj {

// Units of the date arithmetic used by the schedule names.
enum class date_unit { days, weeks, months, years };

// Moves `d` by `n` units. Days and weeks move whole days; months and years keep
// the day number and fall back to the last day of a shorter month. Fails with
// invalid_argument when the result lies outside the years 100..9999.
date add_to_date(date d, date_unit unit, long long n);
inline date add_days(date d, long long n) { return add_to_date(d, date_unit::days, n); }
inline date add_months(date d, long long n) { return add_to_date(d, date_unit::months, n); }

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

// The week of the month (1 for days 1-7 ... 5 for days 29-31) of a day
// number; weeks count from the 1st whatever their weekdays. Fails with
// overflow for -32768.
int16_t week_of_month(int16_t day);

// The `week`-th day with weekday number `weekday` (1 = Sunday) counted from
// `start`: with the first of a month and week 1..4 it is that weekday's
// week-th occurrence in the month; week 5 may reach into the next month.
// Fails with overflow when the week count leaves 16 bits, invalid_argument
// when the day leaves the years 100..9999.
date nth_weekday_from(date start, int16_t weekday, int16_t week);

}  // namespace mj
