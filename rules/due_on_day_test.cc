#include "rules/due_on_day.h"

#include <gtest/gtest.h>

#include "rules/test_support.h"

namespace mj {
namespace {

using testing::D;

struct Case {
  const char* label;
  const char* today;
  const char* rule;
  int16_t period, period2, mweek;
  int16_t flag;
  const char* from;  // time_stamp
  const char* to;    // time_stamp_to
  int16_t interval;
  int failure;  // code of the failure that ended the test, 0 for none
};

constexpr const char* kZero = "1899-12-30";

void check(const Case& c) {
  SCOPED_TRACE(c.label);
  date time_stamp = zero_date, time_stamp_to = zero_date;
  int16_t flag = 0, interval = 0;
  const int code = testing::failure_code_of([&] {
    dir_name_chk_just(c.rule, c.period, c.period2, c.mweek, time_stamp, time_stamp_to, flag,
                      interval, make_run_calendar(D(c.today)));
  });
  EXPECT_EQ(code, c.failure);
  EXPECT_EQ(flag, c.flag);
  EXPECT_EQ(format_iso_date(time_stamp), c.from);
  EXPECT_EQ(format_iso_date(time_stamp_to), c.to);
  EXPECT_EQ(interval, c.interval);
}

// Wednesday 16 December 1998.
constexpr const char* kRunDay = "1998-12-16";

TEST(DueOnDay, WorkedResults) {
  const Case kCases[] = {
      {"TOMORROW", kRunDay, "TOMORROW", 0, 0, 0, 4, "1998-12-15", "1998-12-15", 0, 0},
      {"TOMORROW=3", kRunDay, "TOMORROW", 3, 2, 0, 4, "1998-12-13", "1998-12-15", 0, 0},
      {"EVERY MONTH 3", kRunDay, "EVERY MONTH 3", 0, 0, 0, 3, "1998-12-16", "1998-12-16", 3, 0},
      {"YEAR1", kRunDay, "YEAR1", 0, 0, 0, 2, "1997-12-16", "1997-12-16", 0, 0},
      {"DAY3=2", kRunDay, "DAY3", 2, 1, 0, 4, "1998-12-12", "1998-12-13", 0, 0},
      {"MONDAY=3", kRunDay, "MONDAY", 3, 2, 0, 1, kZero, kZero, 0, 0},
      {"MONDAY", kRunDay, "MONDAY", 0, 0, 0, 0, kZero, kZero, 0, 0},
      {"SUNDAY@2=4", kRunDay, "SUNDAY", 4, 3, 2, 1, kZero, kZero, 0, 0},
      {"12-14, window 3", kRunDay, "12-14", 0, 2, 0, 1, kZero, kZero, 0, 0},
      {"E mid-month", kRunDay, "E", 0, 0, 0, 0, kZero, kZero, 0, 0},
      {"98-12-16", kRunDay, "98-12-16", 0, 0, 0, 1, kZero, kZero, 0, 0},
  };
  for (const Case& c : kCases) check(c);
}

TEST(DueOnDay, NextDayRepeatingAndAgeForms) {
  const Case kCases[] = {
      {"TOMORROW=0: empty range", kRunDay, "TOMORROW", 0, -1, 0, 4, "1998-12-16", "1998-12-15", 0,
       0},
      {"TOMORROW2 is day 0", kRunDay, "TOMORROW2", 0, 0, 0, 0, kZero, kZero, 0, 0},
      {"EVERYDAY", kRunDay, "EVERYDAY", 0, 0, 0, 3, kRunDay, kRunDay, 1, 0},
      {"EVERYDAY0", kRunDay, "EVERYDAY0", 0, 0, 0, 3, kRunDay, kRunDay, 1, 0},
      {"EVERYDAY-5", kRunDay, "EVERYDAY-5", 0, 0, 0, 3, kRunDay, kRunDay, 1, 0},
      {"EVERY DAY 3", kRunDay, "EVERY DAY 3", 0, 0, 0, 3, kRunDay, kRunDay, 3, 0},
      {"EVERYDAY2.5 rounds to 2", kRunDay, "EVERYDAY2.5", 0, 0, 0, 3, kRunDay, kRunDay, 2, 0},
      {"EVERY MONTH-15", kRunDay, "EVERY MONTH-15", 0, 0, 0, 3, kRunDay, kRunDay, 1, 0},
      {"EVERY MONTH=7", kRunDay, "EVERY MONTH", 7, 6, 0, 3, "1998-12-10", kRunDay, 1, 0},
      {"EVERYYEAR+ 3 missed", kRunDay, "EVERYYEAR", 0, 3, 0, 3, "1998-12-13", kRunDay, 1, 0},
      {"EVERYDAY40000 stays not due", kRunDay, "EVERYDAY40000", 0, 0, 0, 0, kZero, kZero, 0, 6},
      {"WEEK2", kRunDay, "WEEK2", 0, 0, 0, 2, "1998-12-02", "1998-12-02", 0, 0},
      {"WEEK alone", kRunDay, "WEEK", 0, 0, 0, 2, kRunDay, kRunDay, 0, 0},
      {"WEEKEND is age 0", kRunDay, "WEEKEND", 0, 0, 0, 2, kRunDay, kRunDay, 0, 0},
      {"MONTH1 on 31 March", "1999-03-31", "MONTH1", 0, 0, 0, 2, "1999-02-28", "1999-02-28", 0, 0},
      {"YEAR1 on 29 February", "2000-02-29", "YEAR1", 0, 0, 0, 2, "1999-02-28", "1999-02-28", 0, 0},
      {"YEAR1=1", kRunDay, "YEAR1", 1, 0, 0, 4, "1997-12-16", "1997-12-16", 0, 0},
      {"YEAR1=7", kRunDay, "YEAR1", 7, 6, 0, 4, "1997-12-10", "1997-12-16", 0, 0},
      {"YEAR1=0 ignores the period", kRunDay, "YEAR1", 0, -1, 0, 2, "1997-12-16", "1997-12-16", 0,
       0},
      {"DAY-3 is three days ahead", kRunDay, "DAY-3", 0, 0, 0, 2, "1998-12-19", "1998-12-19", 0, 0},
      // The moved date leaves the years 100..9999: the due kind is already
      // set, the dates keep the zero date so no file is selected.
      {"YEAR3000", kRunDay, "YEAR3000", 0, 0, 0, 2, kZero, kZero, 0, 5},
      {"YEAR3000=2", kRunDay, "YEAR3000", 2, 1, 0, 4, kZero, kZero, 0, 5},
      {"TOMORROW on the first supported day", "0100-01-01", "TOMORROW", 0, 0, 0, 4, kZero, kZero, 0,
       5},
      {"YEAR40000: nothing written", kRunDay, "YEAR40000", 0, 0, 0, 0, kZero, kZero, 0, 6},
  };
  for (const Case& c : kCases) check(c);
}

TEST(DueOnDay, FormsThatPointAtADay) {
  const Case kCases[] = {
      {"SUNDAY@5 on day 29", "1998-11-29", "SUNDAY", 0, 0, 5, 1, kZero, kZero, 0, 0},
      {"SUNDAY@5 on day 27", "1998-12-27", "SUNDAY", 0, 0, 5, 0, kZero, kZero, 0, 0},
      {"SUNDAY@6 never", "1998-11-29", "SUNDAY", 0, 30, 6, 0, kZero, kZero, 0, 0},
      {"SUNDAY@0 any Sunday", "1998-12-13", "SUNDAY", 0, 0, 0, 1, kZero, kZero, 0, 0},
      {"SUNDAY@2 off week", "1998-12-20", "SUNDAY", 0, 0, 2, 0, kZero, kZero, 0, 0},
      {"FRIDAY=3 run on Sunday", "1998-12-20", "FRIDAY", 3, 2, 0, 1, kZero, kZero, 0, 0},
      {"FRIDAY=2 run on Sunday", "1998-12-20", "FRIDAY", 2, 1, 0, 0, kZero, kZero, 0, 0},
      {"SATURDAYS", "1998-12-19", "SATURDAYS", 0, 0, 0, 1, kZero, kZero, 0, 0},
      {"15 on the 15th", "1998-12-15", "15", 0, 0, 0, 1, kZero, kZero, 0, 0},
      {"15 on the 16th", kRunDay, "15", 0, 0, 0, 0, kZero, kZero, 0, 0},
      {"0 never", kRunDay, "0", 0, 400, 0, 0, kZero, kZero, 0, 0},
      {"32 never", kRunDay, "32", 0, 400, 0, 0, kZero, kZero, 0, 0},
      {"MAIL is day 0", kRunDay, "MAIL", 0, 400, 0, 0, kZero, kZero, 0, 0},
      {"2-29 on 29 February", "2000-02-29", "2-29", 0, 0, 0, 1, kZero, kZero, 0, 0},
      {"2-29 on 28 February", "1999-02-28", "2-29", 0, 0, 0, 0, kZero, kZero, 0, 0},
      {"2-30 never", "2000-03-01", "2-30", 0, 400, 0, 0, kZero, kZero, 0, 0},
      {"2-29 window of 400 days with a 29 February", "2000-06-01", "2-29", 400, 399, 0, 1, kZero,
       kZero, 0, 0},
      {"2-29 window of 400 days without one", "1999-06-01", "2-29", 400, 399, 0, 0, kZero, kZero, 0,
       0},
      {"1998-12-25=3 on its third day", "1998-12-27", "1998-12-25", 3, 2, 0, 1, kZero, kZero, 0, 0},
      {"1998-12-25=3 on its fourth day", "1998-12-28", "1998-12-25", 3, 2, 0, 0, kZero, kZero, 0,
       0},
      {"98-12-25 a year later", "1999-12-25", "98-12-25", 0, 0, 0, 0, kZero, kZero, 0, 0},
      {"98-2-30", kRunDay, "98-2-30", 0, 0, 0, 0, kZero, kZero, 0, 13},
      {"A-B-C", kRunDay, "A-B-C", 0, 0, 0, 0, kZero, kZero, 0, 13},
      {"98-2-30=0 reads nothing", kRunDay, "98-2-30", 0, -1, 0, 0, kZero, kZero, 0, 0},
      {"1998-12-E", "1998-12-31", "1998-12-E", 0, 0, 0, 1, kZero, kZero, 0, 0},
      {"1999-2-E2", "1999-02-27", "1999-2-E2", 0, 0, 0, 1, kZero, kZero, 0, 0},
      {"1999-2-E2 a day late", "1999-02-28", "1999-2-E2", 0, 0, 0, 0, kZero, kZero, 0, 0},
      {"2-E in a common year", "1999-02-28", "2-E", 0, 0, 0, 1, kZero, kZero, 0, 0},
      {"2-E in a leap year", "2000-02-29", "2-E", 0, 0, 0, 1, kZero, kZero, 0, 0},
      {"2-E on a leap year's 28th", "2000-02-28", "2-E", 0, 0, 0, 0, kZero, kZero, 0, 0},
      {"12-E+ after a missed 31 December", "1999-01-01", "12-E", 0, 1, 0, 0, kZero, kZero, 0, 0},
      {"12-31+ after a missed 31 December", "1999-01-01", "12-31", 0, 1, 0, 1, kZero, kZero, 0, 0},
      {"E+ after a missed month end", "1999-01-01", "E", 0, 1, 0, 1, kZero, kZero, 0, 0},
      {"E1 on the last day", "1999-02-28", "E1", 0, 0, 0, 1, kZero, kZero, 0, 0},
      {"E3 is 29 January", "1999-01-29", "E3", 0, 0, 0, 1, kZero, kZero, 0, 0},
      {"E3 not on 28 January", "1999-01-28", "E3", 0, 0, 0, 0, kZero, kZero, 0, 0},
      {"E40 never", kRunDay, "E40", 0, 400, 0, 0, kZero, kZero, 0, 0},
      {"NOTES is a month end", "1998-12-31", "NOTES", 0, 0, 0, 1, kZero, kZero, 0, 0},
      {"full-width EVERYDAY is day 0", kRunDay, "\xEF\xBC\xA5\xEF\xBC\xB6", 0, 400, 0, 0, kZero,
       kZero, 0, 0},
      {"a window running before the year 100", "0100-01-05", "1", 0, 10, 0, 1, kZero, kZero, 0, 5},
      {"E at the end of the year 9999", "9999-12-31", "E", 0, 0, 0, 0, kZero, kZero, 0, 5},
      {"2-E40000 overflows before any day", kRunDay, "2-E40000", 0, 0, 0, 0, kZero, kZero, 0, 6},
      {"40000 overflows", kRunDay, "40000", 0, 0, 0, 0, kZero, kZero, 0, 6},
  };
  for (const Case& c : kCases) check(c);
}

TEST(DueOnDay, TheSixteenBitDayCounterBoundsTheWindow) {
  const Case kCases[] = {
      // 32768 days cannot be counted: nothing is tested.
      {"window 32768", kRunDay, "16", 0, 32767, 0, 0, kZero, kZero, 0, 6},
      // 32767 days are all tested; the counter overflows after the last one.
      {"window 32767", kRunDay, "16", 0, 32766, 0, 1, kZero, kZero, 0, 6},
      {"window 32766", kRunDay, "16", 0, 32765, 0, 1, kZero, kZero, 0, 0},
      {"negative window", kRunDay, "16", 0, -5, 0, 0, kZero, kZero, 0, 0},
  };
  for (const Case& c : kCases) check(c);
}

TEST(DueOnDay, NeverWritesTheInputsNorReadsTheOutputs) {
  const int16_t period = 3, period2 = 2, mweek = 2;
  date time_stamp = D("2001-01-01"), time_stamp_to = D("2001-01-02");
  int16_t flag = 9, interval = 9;
  dir_name_chk_just("MONDAY", period, period2, mweek, time_stamp, time_stamp_to, flag, interval,
                    make_run_calendar(D(kRunDay)));
  // Monday 14 December is in week 2 and in the window: only flag changes.
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(interval, 9);
  EXPECT_EQ(time_stamp, D("2001-01-01"));
  EXPECT_EQ(time_stamp_to, D("2001-01-02"));
}

}  // namespace
}  // namespace mj
