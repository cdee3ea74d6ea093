#include "rules/week_of_month.h"

#include <gtest/gtest.h>

#include "rules/test_support.h"

namespace mj {
namespace {

using testing::D;
using testing::failure_code_of;

TEST(CalcMonthweek, WeeksChangeAfterDays7_14_21_28) {
  const int kExpected[32] = {0, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 3,
                             3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 5, 5, 5};
  for (int16_t day = 0; day <= 31; ++day) {
    SCOPED_TRACE(day);
    EXPECT_EQ(calc_monthweek(day), kExpected[day]);
  }
  EXPECT_EQ(calc_monthweek(-6), 0);
  EXPECT_EQ(calc_monthweek(-7), -1);
  EXPECT_EQ(failure_code_of([] { calc_monthweek(-32768); }), kOverflow);
}

TEST(CalcMweekday, FindsTheNthWeekdayFromTheMonthStart) {
  struct Case {
    const char* mstart;
    int16_t week_day;
    int16_t mweek;
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
    SCOPED_TRACE(std::string(c.mstart) + " weekday " + std::to_string(c.week_day) + " week " +
                 std::to_string(c.mweek));
    EXPECT_EQ(calc_mweekday(D(c.mstart), c.week_day, c.mweek), D(c.expected));
  }
}

TEST(CalcMweekday, WeekCountsBeyondSixteenBitsOverflow) {
  const date tuesday = D("1998-12-01");
  EXPECT_EQ(failure_code_of([&] { calc_mweekday(tuesday, 3, 4683); }), kOverflow);
  EXPECT_EQ(failure_code_of([&] { calc_mweekday(tuesday, 3, -4681); }), kOverflow);
  // 4682: the week base is exactly 32767, so only a non-zero offset overflows.
  EXPECT_EQ(failure_code_of([&] { calc_mweekday(tuesday, 4, 4682); }), kOverflow);
  EXPECT_EQ(calc_mweekday(tuesday, 3, 4682), tuesday + std::chrono::days{32767});
}

}  // namespace
}  // namespace mj
