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
    EXPECT_EQ(failure_code_of([&] { add_to_date(D(c.from), c.unit, c.n); }), kInvalidArgument);
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

}  // namespace
}  // namespace mj
