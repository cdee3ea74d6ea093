// SPDX-License-Identifier: MIT
#include "rules/calendar.h"

#include <gtest/gtest.h>

#include "rules/test_support.h"

namespace mj {
namespace {

using testing::D;
using testing::failure_code_of;

TEST(AddToDate, MovesByUnitsAndFallsBackToTheMonthsLastDay) {
  struct Case {
    const char* from;
    date_unit unit;
    long long n;
    const char* expected;
  };
  const Case kCases[] = {
      {"1998-12-16", date_unit::days, -1, "1998-12-15"},
      {"1998-12-31", date_unit::days, 1, "1999-01-01"},
      {"1998-12-16", date_unit::weeks, -2, "1998-12-02"},
      {"1999-01-31", date_unit::months, 1, "1999-02-28"},
      {"2000-01-31", date_unit::months, 1, "2000-02-29"},
      {"1999-03-31", date_unit::months, -1, "1999-02-28"},
      {"1999-05-31", date_unit::months, -1, "1999-04-30"},
      {"1998-12-16", date_unit::months, 13, "2000-01-16"},
      {"1998-01-01", date_unit::months, -1, "1997-12-01"},
      {"2000-02-29", date_unit::years, -1, "1999-02-28"},
      {"2000-02-29", date_unit::years, 4, "2004-02-29"},
      {"1998-12-16", date_unit::years, -1, "1997-12-16"},
      {"0100-01-01", date_unit::days, 0, "0100-01-01"},
      {"9999-12-31", date_unit::months, 0, "9999-12-31"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.from) + " + " + std::to_string(c.n));
    EXPECT_EQ(add_to_date(D(c.from), c.unit, c.n), D(c.expected));
  }
}

TEST(AddToDate, FailsOutsideTheYears100To9999) {
  struct Case {
    const char* from;
    date_unit unit;
    long long n;
  };
  const Case kCases[] = {
      {"9999-12-31", date_unit::days, 1},         {"0100-01-01", date_unit::days, -1},
      {"9999-12-15", date_unit::months, 1},       {"0100-01-31", date_unit::months, -1},
      {"1998-12-16", date_unit::years, 8002},     {"1998-12-16", date_unit::years, -1899},
      {"1998-12-16", date_unit::years, -32768},   {"1998-12-16", date_unit::weeks, 32767 * 20LL},
      {"1998-12-16", date_unit::days, 1LL << 40},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.from) + " + " + std::to_string(c.n));
    EXPECT_EQ(failure_code_of([&] { add_to_date(D(c.from), c.unit, c.n); }),
              failure_code::invalid_argument);
  }
}

TEST(Calendar, WeekdayNumbersRunFromSunday) {
  EXPECT_EQ(weekday_number(D("1998-12-13")), 1);  // Sunday
  EXPECT_EQ(weekday_number(D("1998-12-16")), 4);  // Wednesday
  EXPECT_EQ(weekday_number(D("1998-12-19")), 7);  // Saturday
  EXPECT_EQ(weekday_number(zero_date), 7);        // 30 December 1899 was a Saturday
}

TEST(Calendar, RunCalendarBoundaries) {
  const run_calendar leap = make_run_calendar(D("2000-02-10"));
  EXPECT_EQ(leap.month_end, D("2000-02-29"));
  EXPECT_EQ(leap.year_start, D("2000-01-01"));
  EXPECT_EQ(leap.year_end, D("2000-12-31"));
  EXPECT_EQ(make_run_calendar(D("1900-02-10")).month_end, D("1900-02-28"));
  const run_calendar last = make_run_calendar(D("1998-12-31"));
  EXPECT_EQ(last.month_end, D("1998-12-31"));
  EXPECT_EQ(last.year_end, D("1998-12-31"));
}

TEST(Calendar, MissedDaysAreTheDaysStrictlyBetweenRuns) {
  const date today = D("1998-12-16");
  EXPECT_EQ(missed_days_between(D("1998-12-16"), today), 0);
  EXPECT_EQ(missed_days_between(D("1998-12-15"), today), 0);
  EXPECT_EQ(missed_days_between(D("1998-12-13"), today), 2);
  EXPECT_EQ(missed_days_between(D("1998-12-12"), today), 3);
  EXPECT_EQ(missed_days_between(D("1999-01-01"), today), 0);
  EXPECT_EQ(missed_days_between(D("1900-01-01"), today), 36142);
}

TEST(Calendar, IsoDatesAreStrict) {
  EXPECT_EQ(format_iso_date(zero_date), "1899-12-30");
  EXPECT_EQ(format_iso_date(D("0100-01-01")), "0100-01-01");
  EXPECT_EQ(parse_iso_date("2000-02-29"), std::optional<date>(D("2000-02-29")));
  const char* const kBad[] = {"1999-02-29", "1998-13-01", "1998-12-32",  "98-12-16", "1998/12/16",
                              "1998-12-6",  "0099-12-31", "1998-12-16x", "",         "+998-12-16"};
  for (const char* text : kBad) {
    SCOPED_TRACE(text);
    EXPECT_FALSE(parse_iso_date(text).has_value());
  }
}

TEST(WeekOfMonth, WeeksChangeAfterDays7_14_21_28) {
  const int kExpected[32] = {0, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 3,
                             3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 5, 5, 5};
  for (int16_t day = 0; day <= 31; ++day) {
    SCOPED_TRACE(day);
    EXPECT_EQ(week_of_month(day), kExpected[day]);
  }
  EXPECT_EQ(week_of_month(-6), 0);
  EXPECT_EQ(week_of_month(-7), -1);
  EXPECT_EQ(failure_code_of([] { week_of_month(-32768); }), failure_code::overflow);
}

TEST(NthWeekdayFrom, FindsTheNthWeekdayFromTheMonthStart) {
  struct Case {
    const char* start;
    int16_t weekday;
    int16_t week;
    const char* expected;
  };
  const Case kCases[] = {
      {"1998-12-01", 1, 2, "1998-12-13"},  // second Sunday of a month starting on Tuesday
      {"1998-12-01", 3, 1, "1998-12-01"},  // the start's own weekday: offset 0, not 7
      {"1999-02-01", 2, 5, "1999-03-01"},  // February 1999 has four Mondays
      {"1998-11-01", 1, 5, "1998-11-29"},  // November 1998 has five Sundays
      {"1998-12-01", 7, 4, "1998-12-26"},
      {"1998-12-01", 1, 0, "1998-11-29"},  // week 0: a week before the first
      {"1998-12-01", 1, -1, "1998-11-22"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.start) + " weekday " + std::to_string(c.weekday) + " week " +
                 std::to_string(c.week));
    EXPECT_EQ(nth_weekday_from(D(c.start), c.weekday, c.week), D(c.expected));
  }
}

TEST(NthWeekdayFrom, WeekCountsBeyondSixteenBitsOverflow) {
  const date tuesday = D("1998-12-01");
  EXPECT_EQ(failure_code_of([&] { nth_weekday_from(tuesday, 3, 4683); }), failure_code::overflow);
  EXPECT_EQ(failure_code_of([&] { nth_weekday_from(tuesday, 3, -4681); }), failure_code::overflow);
  // 4682: the week base is exactly 32767, so only a non-zero offset overflows.
  EXPECT_EQ(failure_code_of([&] { nth_weekday_from(tuesday, 4, 4682); }), failure_code::overflow);
  EXPECT_EQ(nth_weekday_from(tuesday, 3, 4682), tuesday + std::chrono::days{32767});
}

}  // namespace
}  // namespace mj
