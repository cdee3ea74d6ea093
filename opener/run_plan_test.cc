// SPDX-License-Identifier: MIT
#include "opener/run_plan.h"

#include <gtest/gtest.h>

#include <vector>

#include "rules/test_support.h"

namespace mj::opener {
namespace {

using testing::D;

TEST(StartUp, MissedDaysCountFromTheStoredPreviousRun) {
  struct Case {
    const char* name;
    const char* prev_date;
    const char* today;
    long long missed_days;
  };
  const Case kCases[] = {
      {"first run ever", "", "1998-12-16", 0},
      {"run on the day after", "1998/12/15", "1998-12-16", 0},
      {"three days before", "1998/12/13", "1998-12-16", 2},
      {"second run the same day", "1998/12/16", "1998-12-16", 0},
      {"previous run in the future", "1999/01/20", "1998-12-16", 0},
      {"over a year end", "1998/12/30", "1999-01-02", 2},
      {"over 29 February", "2024/02/28", "2024-03-01", 1},
      {"without leading zeros", "1998/2/3", "1998-02-06", 2},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<failure> failures;
    const run_start s =
        run_start_from(c.prev_date, D(c.today), [&](const failure& f) { failures.push_back(f); });
    EXPECT_EQ(s.missed_days, c.missed_days);
    EXPECT_EQ(s.calendar.today, D(c.today));
    EXPECT_TRUE(failures.empty());
  }
}

TEST(StartUp, TheRunCalendarFollowsToday) {
  const auto ignore = [](const failure&) {};
  const run_start leap = run_start_from("", D("2024-02-10"), ignore);
  EXPECT_EQ(leap.calendar.month_end, D("2024-02-29"));
  EXPECT_EQ(leap.calendar.year_start, D("2024-01-01"));
  const run_start year_end = run_start_from("", D("1998-12-31"), ignore);
  EXPECT_EQ(year_end.calendar.month_end, D("1998-12-31"));
  EXPECT_EQ(year_end.calendar.year_end, D("1998-12-31"));
}

TEST(StartUp, AStoredTextThatIsNoDateIsReportedAndCountsAsToday) {
  for (const char* text : {"yesterday", "1998/13/01", "1998/02/30", "1998-12-15x"}) {
    SCOPED_TRACE(text);
    std::vector<failure> failures;
    const run_start s =
        run_start_from(text, D("1998-12-16"), [&](const failure& f) { failures.push_back(f); });
    EXPECT_EQ(s.missed_days, 0);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].code, failure_code::type_mismatch);
  }
}

TEST(StartUp, StoresTodayAsYearMonthDayWithSlashes) {
  EXPECT_EQ(format_prev_date(D("1998-02-03")), "1998/02/03");
  EXPECT_EQ(format_prev_date(D("2031-12-31")), "2031/12/31");
  // What is written is read back as the same day.
  std::vector<failure> failures;
  const run_start s = run_start_from(format_prev_date(D("2024-02-27")), D("2024-03-01"),
                                     [&](const failure& f) { failures.push_back(f); });
  EXPECT_EQ(s.missed_days, 2);
  EXPECT_TRUE(failures.empty());
}

TEST(CommandLine, SplitsTheDelayDigitsFromTheLocationText) {
  struct Case {
    const char* text;
    std::optional<int> interval_ms;
    const char* location;
    std::optional<failure_code> failure;
  };
  const Case kCases[] = {
      {"", std::nullopt, "", std::nullopt},
      {"30", 30000, "", std::nullopt},
      {"5 D", 5000, "D", std::nullopt},
      {"12abc", 12000, "abc", std::nullopt},
      {" 7", std::nullopt, "7", std::nullopt},
      {"0", 0, "", std::nullopt},
      {"007 /srv/caps ", 7000, "/srv/caps", std::nullopt},
      {"/home/a/my caps", std::nullopt, "/home/a/my caps", std::nullopt},
      {"\t 1 x", std::nullopt, "1 x", std::nullopt},
      {"2147483", 2147483000, "", std::nullopt},
      {"2147484", std::nullopt, "", failure_code::overflow},
      {"99999999999999999999999 caps", std::nullopt, "caps", failure_code::overflow},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    std::vector<failure> failures;
    const classic_command_line cl =
        split_command_line(c.text, [&](const failure& f) { failures.push_back(f); });
    EXPECT_EQ(cl.interval_ms, c.interval_ms);
    EXPECT_EQ(cl.location, c.location);
    if (!c.failure) {
      EXPECT_TRUE(failures.empty());
    } else {
      ASSERT_EQ(failures.size(), 1u);
      EXPECT_EQ(failures[0].code, *c.failure);
    }
  }
}

TEST(OpeningQueue, HandsOverOneFilePerTickThenEnds) {
  opening_queue queue({{"/c/root.txt", std::nullopt}, {"/c/T/a", 0}, {"/c/T/b", 0}});
  EXPECT_EQ(queue.size(), 3u);
  EXPECT_EQ(queue.tick(), "/c/root.txt");
  EXPECT_EQ(queue.tick(), "/c/T/a");
  EXPECT_EQ(queue.tick(), "/c/T/b");
  EXPECT_EQ(queue.handed_over(), 3u);
  EXPECT_EQ(queue.tick(), std::nullopt);
  EXPECT_EQ(queue.tick(), std::nullopt);  // a late tick after the end hands over nothing
}

TEST(OpeningQueue, AnEmptyQueueEndsAtTheFirstTick) {
  opening_queue queue;
  EXPECT_EQ(queue.tick(), std::nullopt);
  EXPECT_EQ(queue.handed_over(), 0u);
}

}  // namespace
}  // namespace mj::opener
