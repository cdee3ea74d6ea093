// SPDX-License-Identifier: MIT
#include "rules/schedule_name.h"

#include <gtest/gtest.h>

namespace mj {
namespace {

TEST(SplitScheduleName, SplitsRuleNameAndMarkers) {
  // Each row names what differs from a plain name: no marker, nothing
  // missed.
  struct Case {
    const char* folder;
    long long missed = 0;
    const char* rule;
    bool stays_due = false, catch_up = false;
    int days = 0, window_days = 0, week = 0;
  };
  const Case kCases[] = {
      {.folder = "Sunday@2=3+-",
       .missed = 4,
       .rule = "SUNDAY",
       .stays_due = true,
       .catch_up = true,
       .days = 3,
       .window_days = 6,
       .week = 2},
      {.folder = "SUNDAY@2=3", .rule = "SUNDAY", .days = 3, .window_days = 2, .week = 2},
      // "=" is split off first.
      {.folder = "SUNDAY=3@2", .rule = "SUNDAY", .days = 3, .window_days = 2},
      {.folder = "everyday+", .missed = 5, .rule = "EVERYDAY", .catch_up = true, .window_days = 5},
      {.folder = " EVERYDAY ", .rule = "EVERYDAY"},
      {.folder = "EveryDay", .rule = "EVERYDAY"},
      {.folder = "EVERY  DAY", .rule = "EVERY  DAY"},
      {.folder = "TOMORROW=3", .rule = "TOMORROW", .days = 3, .window_days = 2},
      {.folder = "TOMORROW=0", .rule = "TOMORROW", .window_days = -1},
      {.folder = "EVERY WEEK=2+",
       .missed = 3,
       .rule = "EVERY WEEK",
       .catch_up = true,
       .days = 2,
       .window_days = 4},
      {.folder = "EVERY WEEK=2+-",
       .missed = 3,
       .rule = "EVERY WEEK",
       .stays_due = true,
       .catch_up = true,
       .days = 2,
       .window_days = 4},
      {.folder = "X-+", .missed = 7, .rule = "X-", .catch_up = true, .window_days = 7},
      {.folder = "X+-",
       .missed = 7,
       .rule = "X",
       .stays_due = true,
       .catch_up = true,
       .window_days = 7},
      {.folder = "12-25-", .rule = "12-25", .stays_due = true},
      {.folder = "98-12-", .rule = "98-12", .stays_due = true},
      {.folder = "EVERY MONTH-15", .rule = "EVERY MONTH-15"},
      {.folder = "=5", .rule = "", .days = 5, .window_days = 4},
      {.folder = "", .rule = ""},
      {.folder = "-", .rule = "", .stays_due = true},
      {.folder = "+-",
       .missed = 9,
       .rule = "",
       .stays_due = true,
       .catch_up = true,
       .window_days = 9},
      {.folder = "a=1=2@3", .rule = "A", .days = 1},  // "@" after "=" is part of the days text
      {.folder = "a@1@2", .rule = "A", .week = 1},
      {.folder = "12-25+", .rule = "12-25", .catch_up = true},
      {.folder = "1998-12-25=3", .rule = "1998-12-25", .days = 3, .window_days = 2},
      // Full-width letters and space are ordinary characters: kept as they are.
      {.folder = "\xEF\xBC\xA5\xEF\xBC\xB6 \xE3\x80\x80",
       .rule = "\xEF\xBC\xA5\xEF\xBC\xB6 \xE3\x80\x80"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.folder);
    std::vector<failure> failures;
    const schedule_name s = split_schedule_name(c.folder, c.missed, failures);
    EXPECT_EQ(s.rule, c.rule);
    EXPECT_EQ(s.stays_due, c.stays_due);
    EXPECT_EQ(s.catch_up, c.catch_up);
    EXPECT_EQ(s.days, c.days);
    EXPECT_EQ(s.window_days, c.window_days);
    EXPECT_EQ(s.week_of_month, c.week);
    EXPECT_TRUE(failures.empty());
  }
}

TEST(SplitScheduleName, AMarkerNumberThatOverflowsIsReportedAndCountsAsZero) {
  struct Case {
    const char* folder;
    long long missed = 0;
    int days = 0, window_days = 0, week = 0;
    size_t failures = 0;
  };
  const Case kCases[] = {
      // Days 0, so the window is empty.
      {.folder = "X=40000", .window_days = -1, .failures = 1},
      // The "@" is inside the days text.
      {.folder = "X=40000@2", .window_days = -1, .failures = 1},
      {.folder = "X@99999=3", .days = 3, .window_days = 2, .failures = 1},
      // Days - 1 cannot be computed.
      {.folder = "X=-32768", .days = -32768, .failures = 1},
      {.folder = "X=32767+", .missed = 1, .days = 32767, .window_days = 32767},
      // Window + missed days overflows.
      {.folder = "X=32767+", .missed = 2, .days = 32767, .window_days = 32766, .failures = 1},
      {.folder = "X+", .missed = 40000, .failures = 1},
      {.folder = "X@99999=40000+", .missed = 40000, .window_days = -1, .failures = 3},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.folder) + " missed " + std::to_string(c.missed));
    std::vector<failure> failures;
    const schedule_name s = split_schedule_name(c.folder, c.missed, failures);
    EXPECT_EQ(s.rule, "X");
    EXPECT_EQ(s.days, c.days);
    EXPECT_EQ(s.window_days, c.window_days);
    EXPECT_EQ(s.week_of_month, c.week);
    ASSERT_EQ(failures.size(), c.failures);
    for (const failure& f : failures) EXPECT_EQ(f.code, failure_code::overflow);
  }
}

}  // namespace
}  // namespace mj
