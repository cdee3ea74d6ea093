// SPDX-License-Identifier: MIT
// The verdicts over many days, asked day by day and filled at once, against
// the due test judged on each day in turn, for random names from the pieces
// of every form and markers with any number, on days of every era, the ends
// of the supported years included; and the forms that name no day against a
// look at every day of nine years.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "rules/due_tests.h"
#include "rules/test_support.h"

namespace mj {
namespace {

using std::chrono::days;
using testing::D;

std::string random_number(std::mt19937& random) {
  switch (random() % 6) {
    case 0:
      return std::to_string(random() % 10);
    case 1:
      return std::to_string(random() % 32);
    case 2:
      return std::to_string(random() % 100);
    case 3:
      return std::to_string(1900 + random() % 250);
    case 4:
      return std::to_string(random() % 40000);
    default:
      return std::to_string(32760 + random() % 10);
  }
}

// A name made of pieces of the forms, with markers.
std::string random_name(std::mt19937& random) {
  static const char* const kPieces[] = {
      "TOMORROW", "EVERYYEAR", "EVERY MONTH", "EVERYWEEK", "EVERY DAY", "YEAR", "MONTH",
      "WEEK",     "DAY",       "SUNDAY",      "WEDNESDAY", "SATURDAY",  "E",    "-",
      "-E",       "-2-",       "2-29",        "12-31",     "-12-",      "notes"};
  std::string name;
  const int pieces = static_cast<int>(random() % 3) + 1;
  for (int i = 0; i < pieces; ++i)
    name += random() % 2 == 0 ? std::string(kPieces[random() % std::size(kPieces)])
                              : random_number(random);
  if (random() % 3 == 0) name += "@" + std::to_string(random() % 7);
  if (random() % 2 == 0)
    name += std::string("=") + (random() % 5 == 0 ? "-" : "") + random_number(random);
  if (random() % 4 == 0) name += "-";
  return name;
}

// A first day: most in ordinary years, some at the ends of the supported
// years and some anywhere.
date random_first_day(std::mt19937& random) {
  switch (random() % 6) {
    case 0:
      return D("0100-01-01") + days{random() % 1500};
    case 1:
      return D("9999-12-31") - days{random() % 1500};
    case 2:
      return D("0100-01-01") + days{random() % 3'600'000};
    default:
      return D("1990-01-01") + days{random() % 40000};
  }
}

TEST(VerdictsOverDays, AgreeWithTheDueTestJudgedOnEachDay) {
  std::mt19937 random(20261207);
  int failing = 0;
  int due = 0;
  for (int n = 0; n < 700; ++n) {
    const std::string folder_name = random_name(random);
    std::vector<failure> ignored;
    const schedule_name name = split_schedule_name(folder_name, 0, ignored);
    const date first = random_first_day(random);
    const date last = std::min(first + days{random() % 900}, D("9999-12-31"));
    SCOPED_TRACE(folder_name + " from " + format_iso_date(first) + " to " + format_iso_date(last));

    verdicts_over_days by_day(name, first, last);
    // The same days filled at once, from a look of their own.
    std::vector<day_verdict> filled;
    verdicts_over_days(name, first, last).fill(filled);
    ASSERT_EQ(filled.size(), static_cast<size_t>((last - first).count()) + 1);
    std::optional<std::pair<date, failure>> first_failure;
    for (date d = first; d <= last; d += days{1}) {
      const due_verdict expected = due_on_run(name, make_run_calendar(d));
      const day_verdict& f = filled[static_cast<size_t>((d - first).count())];
      ASSERT_EQ(f.kind, expected.kind) << "filled, " << format_iso_date(d);
      ASSERT_EQ(f.from, expected.from) << "filled, " << format_iso_date(d);
      ASSERT_EQ(f.to, expected.to) << "filled, " << format_iso_date(d);
      ASSERT_EQ(f.repeat_every, expected.repeat_every) << "filled, " << format_iso_date(d);
      if (expected.ended_by && !first_failure) first_failure = std::pair{d, *expected.ended_by};
      const due_verdict got = by_day.on(d);
      ASSERT_EQ(got.kind, expected.kind) << format_iso_date(d);
      ASSERT_EQ(got.from, expected.from) << format_iso_date(d);
      ASSERT_EQ(got.to, expected.to) << format_iso_date(d);
      ASSERT_EQ(got.repeat_every, expected.repeat_every) << format_iso_date(d);
      ASSERT_FALSE(got.ended_by);
      if (expected.kind != due_kind::not_due) ++due;
    }
    const std::optional<std::pair<date, failure>> found = by_day.first_failure();
    ASSERT_EQ(found.has_value(), first_failure.has_value());
    if (found) {
      ++failing;
      EXPECT_EQ(found->first, first_failure->first);
      EXPECT_EQ(found->second.code, first_failure->second.code);
      EXPECT_EQ(found->second.description, first_failure->second.description);
    }
  }
  // The names met both kinds of day: the comparison was not all "not due".
  EXPECT_GT(failing, 50);
  EXPECT_GT(due, 10000);
}

// Days asked for with gaps between them, as a look that skips days would.
TEST(VerdictsOverDays, AgreeOnDaysAskedWithGaps) {
  std::mt19937 random(7);
  for (const char* folder_name : {"15", "E2", "SUNDAY@2=3", "2-29=10", "12-25=400", "E=40",
                                  "MONDAY", "31=2", "26-12-25=30", "2-E=5"}) {
    std::vector<failure> ignored;
    const schedule_name name = split_schedule_name(folder_name, 0, ignored);
    const date first = D("2026-12-07");
    const date last = first + days{3000};
    verdicts_over_days by_day(name, first, last);
    for (date d = first; d <= last; d += days{1 + random() % 40}) {
      SCOPED_TRACE(std::string(folder_name) + " on " + format_iso_date(d));
      ASSERT_EQ(by_day.on(d).kind, due_on_run(name, make_run_calendar(d)).kind);
    }
  }
}

TEST(NamesNoDay, OnlyFormsWithoutAnyDayWithinNineYears) {
  struct Case {
    const char* name;
    bool none;
  };
  const Case kCases[] = {
      {"2-30", true},       {"13-5", true},         {"32", true},     {"SUNDAY@6", true},
      {"0", true},          {"2-29", false},        {"31", false},    {"SUNDAY@5", false},
      {"E", false},         {"E40", true},          {"12-25", false}, {"MONDAY", false},
      {"2026-2-30", false},  // a full date: left to the test of each day
      {"TOMORROW", false},  {"EVERY MONTH", false}, {"YEAR1", false}, {"99999", false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<failure> ignored;
    const schedule_name name = split_schedule_name(c.name, 0, ignored);
    const date from = D("2097-03-01");  // 2100 has no 29 February
    EXPECT_EQ(names_no_day(name, from), c.none);
    if (!c.none) continue;
    // By definition: no day of nine years is the form's.
    schedule_name one_day = name;
    one_day.window_days = 0;
    for (date d = from; d < from + days{9 * 366}; d += days{1})
      ASSERT_EQ(due_on_day(one_day, make_run_calendar(d)).kind, due_kind::not_due)
          << format_iso_date(d);
  }
}

}  // namespace
}  // namespace mj
