#include "rules/due_after.h"

#include <gtest/gtest.h>

#include "rules/test_support.h"

namespace mj {
namespace {

using testing::D;

struct Case {
  const char* label;
  const char* today;
  const char* rule;
  int16_t mweek;
  int16_t flag;
  const char* time_stamp;
  int failure;
};

constexpr const char* kZero = "1899-12-30";
constexpr const char* kRunDay = "1998-12-16";  // a Wednesday

void check(const Case& c) {
  SCOPED_TRACE(c.label);
  date time_stamp = zero_date, time_stamp_to = zero_date;
  int16_t flag = 0, interval = 0;
  const int code = testing::failure_code_of([&] {
    dir_name_chk_after(c.rule, 0, 0, c.mweek, time_stamp, time_stamp_to, flag, interval,
                       make_run_calendar(D(c.today)));
  });
  EXPECT_EQ(code, c.failure);
  EXPECT_EQ(flag, c.flag);
  EXPECT_EQ(format_iso_date(time_stamp), c.time_stamp);
  EXPECT_EQ(time_stamp_to, zero_date);
  EXPECT_EQ(interval, 0);
}

TEST(DueAfter, WorkedResults) {
  const Case kCases[] = {
      {"TOMORROW", kRunDay, "TOMORROW", 0, 2, "1998-12-15", 0},
      {"YEAR1", kRunDay, "YEAR1", 0, 2, "1997-12-16", 0},
      {"WEEK2", kRunDay, "WEEK2", 0, 2, "1998-12-02", 0},
      {"MONDAY", kRunDay, "MONDAY", 0, 0, kZero, 0},
      {"MONDAY@2", kRunDay, "MONDAY", 2, 1, kZero, 0},
      {"WEDNESDAY@3 is today", kRunDay, "WEDNESDAY", 3, 1, kZero, 0},
      {"THURSDAY@3 is tomorrow", kRunDay, "THURSDAY", 3, 0, kZero, 0},
      {"15", kRunDay, "15", 0, 1, kZero, 0},
      {"17", kRunDay, "17", 0, 0, kZero, 0},
      {"E", kRunDay, "E", 0, 0, kZero, 0},
      {"E20", kRunDay, "E20", 0, 1, kZero, 0},
      {"12-16", kRunDay, "12-16", 0, 1, kZero, 0},
      {"2-E", kRunDay, "2-E", 0, 1, kZero, 0},
      {"98-12-16", kRunDay, "98-12-16", 0, 1, kZero, 0},
      {"98-12-17", kRunDay, "98-12-17", 0, 0, kZero, 0},
      {"1998-12-E", kRunDay, "1998-12-E", 0, 0, kZero, 0},
      {"EVERYDAY", kRunDay, "EVERYDAY", 0, 0, kZero, 0},
  };
  for (const Case& c : kCases) check(c);
}

TEST(DueAfter, EdgeCases) {
  const Case kCases[] = {
      {"TOMORROW2 is day 0: always due", kRunDay, "TOMORROW2", 0, 1, kZero, 0},
      {"YEAR alone", kRunDay, "YEAR", 0, 2, kRunDay, 0},
      {"WEEK alone", kRunDay, "WEEK", 0, 2, kRunDay, 0},
      {"MONTH1 on 31 March", "1999-03-31", "MONTH1", 0, 2, "1999-02-28", 0},
      {"YEAR1 on 29 February", "2000-02-29", "YEAR1", 0, 2, "1999-02-28", 0},
      {"FRIDAY@1 before the first Friday", "1998-12-03", "FRIDAY", 1, 0, kZero, 0},
      {"FRIDAY@1 on the first Friday", "1998-12-04", "FRIDAY", 1, 1, kZero, 0},
      {"FRIDAY@1 on the month's last day", "1998-12-31", "FRIDAY", 1, 1, kZero, 0},
      {"FRIDAY@1 next month before its Friday", "1999-02-04", "FRIDAY", 1, 0, kZero, 0},
      {"SUNDAY@5 in a month of four Sundays", "1999-02-28", "SUNDAY", 5, 0, kZero, 0},
      {"SUNDAY@5 in a month of five Sundays", "1998-11-30", "SUNDAY", 5, 1, kZero, 0},
      {"15 on the 14th", "1998-12-14", "15", 0, 0, kZero, 0},
      {"15 on the 15th", "1998-12-15", "15", 0, 1, kZero, 0},
      {"15 on the 31st", "1998-12-31", "15", 0, 1, kZero, 0},
      {"0", "1998-12-01", "0", 0, 1, kZero, 0},
      {"MAIL", "1998-12-01", "MAIL", 0, 1, kZero, 0},
      {"E1 on the last day", "1999-02-28", "E1", 0, 1, kZero, 0},
      {"E1 the day before", "1999-02-27", "E1", 0, 0, kZero, 0},
      {"E3 on the 29th", "1998-12-29", "E3", 0, 1, kZero, 0},
      {"E3 on the 28th", "1998-12-28", "E3", 0, 0, kZero, 0},
      {"NOTES on the last day", "1998-12-31", "NOTES", 0, 1, kZero, 0},
      {"NOTES before it", "1998-12-30", "NOTES", 0, 0, kZero, 0},
      {"12-25 on 24 December", "1998-12-24", "12-25", 0, 0, kZero, 0},
      {"12-25 on 25 December", "1998-12-25", "12-25", 0, 1, kZero, 0},
      {"12-25 on 31 December", "1998-12-31", "12-25", 0, 1, kZero, 0},
      {"12-25 on 1 January", "1999-01-01", "12-25", 0, 0, kZero, 0},
      {"13-1 rolls into next year", "1998-12-31", "13-1", 0, 0, kZero, 0},
      {"1-32 rolls into February", "1998-02-01", "1-32", 0, 1, kZero, 0},
      {"98-12 (the writer's unchanged proposal)", "1998-12-31", "98-12", 0, 0, kZero, 0},
      {"2-E before the end of February", "2000-02-28", "2-E", 0, 0, kZero, 0},
      {"2-E on 29 February", "2000-02-29", "2-E", 0, 1, kZero, 0},
      {"98-12-25 years later", "2003-06-01", "98-12-25", 0, 1, kZero, 0},
      {"1999-2-E2 on its day", "1999-02-27", "1999-2-E2", 0, 1, kZero, 0},
      {"1999-2-E2 the day before", "1999-02-26", "1999-2-E2", 0, 0, kZero, 0},
      {"98-2-30 is no date", kRunDay, "98-2-30", 0, 0, kZero, 13},
      {"A-B-C is no date", kRunDay, "A-B-C", 0, 0, kZero, 13},
      {"YEAR3000 keeps the zero date", kRunDay, "YEAR3000", 0, 2, kZero, 5},
      {"MONDAY@4683 overflows", kRunDay, "MONDAY", 4683, 0, kZero, 6},
      {"1-40000 overflows", kRunDay, "1-40000", 0, 0, kZero, 6},
      {"a leading dash leaves the year empty", kRunDay, "-12-25", 0, 0, kZero, 13},
  };
  for (const Case& c : kCases) check(c);
}

TEST(DueAfter, AWeekdayFormWithoutWeekNumberWritesNotDue) {
  date time_stamp = zero_date, time_stamp_to = zero_date;
  int16_t flag = 1, interval = 0;
  dir_name_chk_after("SUNDAY", 0, 0, 0, time_stamp, time_stamp_to, flag, interval,
                     make_run_calendar(D(kRunDay)));
  EXPECT_EQ(flag, 0);
}

TEST(DueAfter, LeavesPeriodsRangeEndAndIntervalAlone) {
  const char* const kRules[] = {"TOMORROW", "YEAR1",     "MONDAY",   "15",       "E3",   "2-E",
                                "12-25",    "1999-2-E2", "98-12-25", "EVERYDAY", "MAIL", "98-2-30"};
  for (const char* rule : kRules) {
    SCOPED_TRACE(rule);
    const int16_t period = 5, period2 = 11, mweek = 2;
    date time_stamp = zero_date, time_stamp_to = D("2001-01-02");
    int16_t flag = 0, interval = 7;
    testing::failure_code_of([&] {
      dir_name_chk_after(rule, period, period2, mweek, time_stamp, time_stamp_to, flag, interval,
                         make_run_calendar(D(kRunDay)));
    });
    EXPECT_EQ(time_stamp_to, D("2001-01-02"));
    EXPECT_EQ(interval, 7);
  }
}

}  // namespace
}  // namespace mj
