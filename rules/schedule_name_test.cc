// SPDX-License-Identifier: MIT
#include "rules/schedule_name.h"

#include <gtest/gtest.h>

namespace mj {
namespace {

TEST(SplitScheduleName, SplitsRuleNameAndMarkers) {
  struct Case {
    const char* folder;
    long long missed;
    const char* rule;
    bool stays_due, catch_up;
    int days, window_days, week;
  };
  const Case kCases[] = {
      {"Sunday@2=3+-", 4, "SUNDAY", true, true, 3, 6, 2},
      {"SUNDAY@2=3", 0, "SUNDAY", false, false, 3, 2, 2},
      {"SUNDAY=3@2", 0, "SUNDAY", false, false, 3, 2, 0},  // "=" is split off first
      {"everyday+", 5, "EVERYDAY", false, true, 0, 5, 0},
      {" EVERYDAY ", 0, "EVERYDAY", false, false, 0, 0, 0},
      {"EveryDay", 0, "EVERYDAY", false, false, 0, 0, 0},
      {"EVERY  DAY", 0, "EVERY  DAY", false, false, 0, 0, 0},
      {"TOMORROW=3", 0, "TOMORROW", false, false, 3, 2, 0},
      {"TOMORROW=0", 0, "TOMORROW", false, false, 0, -1, 0},
      {"EVERY WEEK=2+", 3, "EVERY WEEK", false, true, 2, 4, 0},
      {"EVERY WEEK=2+-", 3, "EVERY WEEK", true, true, 2, 4, 0},
      {"X-+", 7, "X-", false, true, 0, 7, 0},
      {"X+-", 7, "X", true, true, 0, 7, 0},
      {"12-25-", 0, "12-25", true, false, 0, 0, 0},
      {"98-12-", 0, "98-12", true, false, 0, 0, 0},
      {"EVERY MONTH-15", 0, "EVERY MONTH-15", false, false, 0, 0, 0},
      {"=5", 0, "", false, false, 5, 4, 0},
      {"", 0, "", false, false, 0, 0, 0},
      {"-", 0, "", true, false, 0, 0, 0},
      {"+-", 9, "", true, true, 0, 9, 0},
      {"a=1=2@3", 0, "A", false, false, 1, 0, 0},  // "@" after "=" is part of the days text
      {"a@1@2", 0, "A", false, false, 0, 0, 1},
      {"12-25+", 0, "12-25", false, true, 0, 0, 0},
      {"1998-12-25=3", 0, "1998-12-25", false, false, 3, 2, 0},
      // Full-width letters and space are ordinary characters: kept as they are.
      {"\xEF\xBC\xA5\xEF\xBC\xB6 \xE3\x80\x80", 0, "\xEF\xBC\xA5\xEF\xBC\xB6 \xE3\x80\x80", false,
       false, 0, 0, 0},
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
    long long missed;
    int days, window_days, week;
    size_t failure_count;
  };
  const Case kCases[] = {
      {"X=40000", 0, 0, -1, 0, 1},    // days 0, so the window is empty
      {"X=40000@2", 0, 0, -1, 0, 1},  // the "@" is inside the days text
      {"X@99999=3", 0, 3, 2, 0, 1},
      {"X=-32768", 0, -32768, 0, 0, 1},  // days - 1 cannot be computed
      {"X=32767+", 1, 32767, 32767, 0, 0},
      {"X=32767+", 2, 32767, 32766, 0, 1},  // window + missed days overflows
      {"X+", 40000, 0, 0, 0, 1},
      {"X@99999=40000+", 40000, 0, -1, 0, 3},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.folder) + " missed " + std::to_string(c.missed));
    std::vector<failure> failures;
    const schedule_name s = split_schedule_name(c.folder, c.missed, failures);
    EXPECT_EQ(s.rule, "X");
    EXPECT_EQ(s.days, c.days);
    EXPECT_EQ(s.window_days, c.window_days);
    EXPECT_EQ(s.week_of_month, c.week);
    ASSERT_EQ(failures.size(), c.failure_count);
    for (const failure& f : failures) EXPECT_EQ(f.code, failure_code::overflow);
  }
}

}  // namespace
}  // namespace mj
