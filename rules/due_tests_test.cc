// SPDX-License-Identifier: MIT
#include "rules/due_tests.h"

#include <gtest/gtest.h>

#include <random>

#include "rules/test_support.h"

namespace mj {
namespace {

using testing::D;

constexpr const char* kZero = "1899-12-30";
constexpr const char* kRunDay = "1998-12-16";  // a Wednesday

// The columns of the tables: the due kind and the failure that ended the
// test, by name.
constexpr due_kind not_due = due_kind::not_due, all_files = due_kind::all_files,
                   files_up_to = due_kind::files_up_to, repeating = due_kind::repeating,
                   files_within = due_kind::files_within;
constexpr std::optional<failure_code> kNone;
constexpr failure_code invalid_argument = failure_code::invalid_argument,
                       overflow = failure_code::overflow,
                       type_mismatch = failure_code::type_mismatch;

// The due-on-day test, given the parts of a split name directly.
struct OnDayCase {
  const char* label;
  const char* today;
  const char* rule;
  int16_t days, window_days, week;
  due_kind kind;
  const char* from;
  const char* to;
  int16_t repeat_every;
  std::optional<failure_code> failure;  // that ended the test
};

void check(const OnDayCase& c) {
  SCOPED_TRACE(c.label);
  schedule_name name;
  name.rule = c.rule;
  name.days = c.days;
  name.window_days = c.window_days;
  name.week_of_month = c.week;
  const due_verdict v = due_on_day(name, make_run_calendar(D(c.today)));
  EXPECT_EQ(v.ended_by ? std::optional(v.ended_by->code) : std::nullopt, c.failure);
  EXPECT_EQ(v.kind, c.kind);
  EXPECT_EQ(format_iso_date(v.from), c.from);
  EXPECT_EQ(format_iso_date(v.to), c.to);
  EXPECT_EQ(v.repeat_every, c.repeat_every);
}

TEST(DueOnDay, WorkedResults) {
  const OnDayCase kCases[] = {
      {"TOMORROW", kRunDay, "TOMORROW", 0, 0, 0, files_within, "1998-12-15", "1998-12-15", 0,
       kNone},
      {"TOMORROW=3", kRunDay, "TOMORROW", 3, 2, 0, files_within, "1998-12-13", "1998-12-15", 0,
       kNone},
      {"EVERY MONTH 3", kRunDay, "EVERY MONTH 3", 0, 0, 0, repeating, "1998-12-16", "1998-12-16", 3,
       kNone},
      {"YEAR1", kRunDay, "YEAR1", 0, 0, 0, files_up_to, "1997-12-16", "1997-12-16", 0, kNone},
      {"DAY3=2", kRunDay, "DAY3", 2, 1, 0, files_within, "1998-12-12", "1998-12-13", 0, kNone},
      {"MONDAY=3", kRunDay, "MONDAY", 3, 2, 0, all_files, kZero, kZero, 0, kNone},
      {"MONDAY", kRunDay, "MONDAY", 0, 0, 0, not_due, kZero, kZero, 0, kNone},
      {"SUNDAY@2=4", kRunDay, "SUNDAY", 4, 3, 2, all_files, kZero, kZero, 0, kNone},
      {"12-14, window 3", kRunDay, "12-14", 0, 2, 0, all_files, kZero, kZero, 0, kNone},
      {"E mid-month", kRunDay, "E", 0, 0, 0, not_due, kZero, kZero, 0, kNone},
      {"98-12-16", kRunDay, "98-12-16", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
  };
  for (const OnDayCase& c : kCases) check(c);
}

TEST(DueOnDay, NextDayRepeatingAndAgeForms) {
  const OnDayCase kCases[] = {
      {"TOMORROW=0: empty range", kRunDay, "TOMORROW", 0, -1, 0, files_within, "1998-12-16",
       "1998-12-15", 0, kNone},
      {"TOMORROW2 is day 0", kRunDay, "TOMORROW2", 0, 0, 0, not_due, kZero, kZero, 0, kNone},
      {"EVERYDAY", kRunDay, "EVERYDAY", 0, 0, 0, repeating, kRunDay, kRunDay, 1, kNone},
      {"EVERYDAY0", kRunDay, "EVERYDAY0", 0, 0, 0, repeating, kRunDay, kRunDay, 1, kNone},
      {"EVERYDAY-5", kRunDay, "EVERYDAY-5", 0, 0, 0, repeating, kRunDay, kRunDay, 1, kNone},
      {"EVERY DAY 3", kRunDay, "EVERY DAY 3", 0, 0, 0, repeating, kRunDay, kRunDay, 3, kNone},
      {"EVERYDAY2.5 rounds to 2", kRunDay, "EVERYDAY2.5", 0, 0, 0, repeating, kRunDay, kRunDay, 2,
       kNone},
      {"EVERY MONTH-15", kRunDay, "EVERY MONTH-15", 0, 0, 0, repeating, kRunDay, kRunDay, 1, kNone},
      {"EVERY MONTH=7", kRunDay, "EVERY MONTH", 7, 6, 0, repeating, "1998-12-10", kRunDay, 1,
       kNone},
      {"EVERYYEAR+ 3 missed", kRunDay, "EVERYYEAR", 0, 3, 0, repeating, "1998-12-13", kRunDay, 1,
       kNone},
      {"EVERYDAY40000 stays not due", kRunDay, "EVERYDAY40000", 0, 0, 0, not_due, kZero, kZero, 0,
       overflow},
      {"WEEK2", kRunDay, "WEEK2", 0, 0, 0, files_up_to, "1998-12-02", "1998-12-02", 0, kNone},
      {"WEEK alone", kRunDay, "WEEK", 0, 0, 0, files_up_to, kRunDay, kRunDay, 0, kNone},
      {"WEEKEND is age 0", kRunDay, "WEEKEND", 0, 0, 0, files_up_to, kRunDay, kRunDay, 0, kNone},
      {"MONTH1 on 31 March", "1999-03-31", "MONTH1", 0, 0, 0, files_up_to, "1999-02-28",
       "1999-02-28", 0, kNone},
      {"YEAR1 on 29 February", "2000-02-29", "YEAR1", 0, 0, 0, files_up_to, "1999-02-28",
       "1999-02-28", 0, kNone},
      {"YEAR1=1", kRunDay, "YEAR1", 1, 0, 0, files_within, "1997-12-16", "1997-12-16", 0, kNone},
      {"YEAR1=7", kRunDay, "YEAR1", 7, 6, 0, files_within, "1997-12-10", "1997-12-16", 0, kNone},
      {"YEAR1=0 ignores the days", kRunDay, "YEAR1", 0, -1, 0, files_up_to, "1997-12-16",
       "1997-12-16", 0, kNone},
      {"DAY-3 is three days ahead", kRunDay, "DAY-3", 0, 0, 0, files_up_to, "1998-12-19",
       "1998-12-19", 0, kNone},
      // The moved date leaves the years 100..9999: the due kind is already
      // set, the dates keep the zero date so no file is selected.
      {"YEAR3000", kRunDay, "YEAR3000", 0, 0, 0, files_up_to, kZero, kZero, 0, invalid_argument},
      {"YEAR3000=2", kRunDay, "YEAR3000", 2, 1, 0, files_within, kZero, kZero, 0, invalid_argument},
      {"TOMORROW on the first supported day", "0100-01-01", "TOMORROW", 0, 0, 0, files_within,
       kZero, kZero, 0, invalid_argument},
      {"YEAR40000: nothing written", kRunDay, "YEAR40000", 0, 0, 0, not_due, kZero, kZero, 0,
       overflow},
  };
  for (const OnDayCase& c : kCases) check(c);
}

TEST(DueOnDay, FormsThatPointAtADay) {
  const OnDayCase kCases[] = {
      {"SUNDAY@5 on day 29", "1998-11-29", "SUNDAY", 0, 0, 5, all_files, kZero, kZero, 0, kNone},
      {"SUNDAY@5 on day 27", "1998-12-27", "SUNDAY", 0, 0, 5, not_due, kZero, kZero, 0, kNone},
      {"SUNDAY@6 never", "1998-11-29", "SUNDAY", 0, 30, 6, not_due, kZero, kZero, 0, kNone},
      {"SUNDAY@0 any Sunday", "1998-12-13", "SUNDAY", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
      {"SUNDAY@2 off week", "1998-12-20", "SUNDAY", 0, 0, 2, not_due, kZero, kZero, 0, kNone},
      {"FRIDAY=3 run on Sunday", "1998-12-20", "FRIDAY", 3, 2, 0, all_files, kZero, kZero, 0,
       kNone},
      {"FRIDAY=2 run on Sunday", "1998-12-20", "FRIDAY", 2, 1, 0, not_due, kZero, kZero, 0, kNone},
      {"SATURDAYS", "1998-12-19", "SATURDAYS", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
      {"15 on the 15th", "1998-12-15", "15", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
      {"15 on the 16th", kRunDay, "15", 0, 0, 0, not_due, kZero, kZero, 0, kNone},
      {"0 never", kRunDay, "0", 0, 400, 0, not_due, kZero, kZero, 0, kNone},
      {"32 never", kRunDay, "32", 0, 400, 0, not_due, kZero, kZero, 0, kNone},
      {"MAIL is day 0", kRunDay, "MAIL", 0, 400, 0, not_due, kZero, kZero, 0, kNone},
      {"2-29 on 29 February", "2000-02-29", "2-29", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
      {"2-29 on 28 February", "1999-02-28", "2-29", 0, 0, 0, not_due, kZero, kZero, 0, kNone},
      {"2-30 never", "2000-03-01", "2-30", 0, 400, 0, not_due, kZero, kZero, 0, kNone},
      {"2-29 window of 400 days with a 29 February", "2000-06-01", "2-29", 400, 399, 0, all_files,
       kZero, kZero, 0, kNone},
      {"2-29 window of 400 days without one", "1999-06-01", "2-29", 400, 399, 0, not_due, kZero,
       kZero, 0, kNone},
      {"1998-12-25=3 on its third day", "1998-12-27", "1998-12-25", 3, 2, 0, all_files, kZero,
       kZero, 0, kNone},
      {"1998-12-25=3 on its fourth day", "1998-12-28", "1998-12-25", 3, 2, 0, not_due, kZero, kZero,
       0, kNone},
      {"98-12-25 a year later", "1999-12-25", "98-12-25", 0, 0, 0, not_due, kZero, kZero, 0, kNone},
      {"98-2-30", kRunDay, "98-2-30", 0, 0, 0, not_due, kZero, kZero, 0, type_mismatch},
      {"A-B-C", kRunDay, "A-B-C", 0, 0, 0, not_due, kZero, kZero, 0, type_mismatch},
      {"98-2-30=0 reads nothing", kRunDay, "98-2-30", 0, -1, 0, not_due, kZero, kZero, 0, kNone},
      {"1998-12-E", "1998-12-31", "1998-12-E", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
      {"1999-2-E2", "1999-02-27", "1999-2-E2", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
      {"1999-2-E2 a day late", "1999-02-28", "1999-2-E2", 0, 0, 0, not_due, kZero, kZero, 0, kNone},
      {"2-E in a common year", "1999-02-28", "2-E", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
      {"2-E in a leap year", "2000-02-29", "2-E", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
      {"2-E on a leap year's 28th", "2000-02-28", "2-E", 0, 0, 0, not_due, kZero, kZero, 0, kNone},
      {"12-E+ after a missed 31 December", "1999-01-01", "12-E", 0, 1, 0, not_due, kZero, kZero, 0,
       kNone},
      {"12-31+ after a missed 31 December", "1999-01-01", "12-31", 0, 1, 0, all_files, kZero, kZero,
       0, kNone},
      {"E+ after a missed month end", "1999-01-01", "E", 0, 1, 0, all_files, kZero, kZero, 0,
       kNone},
      {"E1 on the last day", "1999-02-28", "E1", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
      {"E3 is 29 January", "1999-01-29", "E3", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
      {"E3 not on 28 January", "1999-01-28", "E3", 0, 0, 0, not_due, kZero, kZero, 0, kNone},
      {"E40 never", kRunDay, "E40", 0, 400, 0, not_due, kZero, kZero, 0, kNone},
      {"NOTES is a month end", "1998-12-31", "NOTES", 0, 0, 0, all_files, kZero, kZero, 0, kNone},
      {"full-width EVERYDAY is day 0", kRunDay, "\xEF\xBC\xA5\xEF\xBC\xB6", 0, 400, 0, not_due,
       kZero, kZero, 0, kNone},
      {"a window running before the year 100", "0100-01-05", "1", 0, 10, 0, all_files, kZero, kZero,
       0, invalid_argument},
      {"E at the end of the year 9999", "9999-12-31", "E", 0, 0, 0, not_due, kZero, kZero, 0,
       invalid_argument},
      {"2-E40000 overflows before any day", kRunDay, "2-E40000", 0, 0, 0, not_due, kZero, kZero, 0,
       overflow},
      {"40000 overflows", kRunDay, "40000", 0, 0, 0, not_due, kZero, kZero, 0, overflow},
  };
  for (const OnDayCase& c : kCases) check(c);
}

TEST(DueOnDay, TheSixteenBitDayCounterBoundsTheWindow) {
  const OnDayCase kCases[] = {
      // 32768 days cannot be counted: nothing is tested.
      {"window 32768", kRunDay, "16", 0, 32767, 0, not_due, kZero, kZero, 0, overflow},
      // 32767 days are all tested; the counter overflows after the last one.
      {"window 32767", kRunDay, "16", 0, 32766, 0, all_files, kZero, kZero, 0, overflow},
      {"window 32766", kRunDay, "16", 0, 32765, 0, all_files, kZero, kZero, 0, kNone},
      {"negative window", kRunDay, "16", 0, -5, 0, not_due, kZero, kZero, 0, kNone},
  };
  for (const OnDayCase& c : kCases) check(c);
}

// The due-from-day-on test: it sets the kind and `from` only.
struct FromDayOnCase {
  const char* label;
  const char* today;
  const char* rule;
  int16_t week;
  due_kind kind;
  const char* from;
  std::optional<failure_code> failure;
};

void check(const FromDayOnCase& c) {
  SCOPED_TRACE(c.label);
  schedule_name name;
  name.rule = c.rule;
  name.week_of_month = c.week;
  name.stays_due = true;
  const due_verdict v = due_from_day_on(name, make_run_calendar(D(c.today)));
  EXPECT_EQ(v.ended_by ? std::optional(v.ended_by->code) : std::nullopt, c.failure);
  EXPECT_EQ(v.kind, c.kind);
  EXPECT_EQ(format_iso_date(v.from), c.from);
  EXPECT_EQ(v.to, zero_date);
  EXPECT_EQ(v.repeat_every, 0);
}

TEST(DueFromDayOn, WorkedResults) {
  const FromDayOnCase kCases[] = {
      {"TOMORROW", kRunDay, "TOMORROW", 0, files_up_to, "1998-12-15", kNone},
      {"YEAR1", kRunDay, "YEAR1", 0, files_up_to, "1997-12-16", kNone},
      {"WEEK2", kRunDay, "WEEK2", 0, files_up_to, "1998-12-02", kNone},
      {"MONDAY", kRunDay, "MONDAY", 0, not_due, kZero, kNone},
      {"MONDAY@2", kRunDay, "MONDAY", 2, all_files, kZero, kNone},
      {"WEDNESDAY@3 is today", kRunDay, "WEDNESDAY", 3, all_files, kZero, kNone},
      {"THURSDAY@3 is tomorrow", kRunDay, "THURSDAY", 3, not_due, kZero, kNone},
      {"15", kRunDay, "15", 0, all_files, kZero, kNone},
      {"17", kRunDay, "17", 0, not_due, kZero, kNone},
      {"E", kRunDay, "E", 0, not_due, kZero, kNone},
      {"E20", kRunDay, "E20", 0, all_files, kZero, kNone},
      {"12-16", kRunDay, "12-16", 0, all_files, kZero, kNone},
      {"2-E", kRunDay, "2-E", 0, all_files, kZero, kNone},
      {"98-12-16", kRunDay, "98-12-16", 0, all_files, kZero, kNone},
      {"98-12-17", kRunDay, "98-12-17", 0, not_due, kZero, kNone},
      {"1998-12-E", kRunDay, "1998-12-E", 0, not_due, kZero, kNone},
      {"EVERYDAY", kRunDay, "EVERYDAY", 0, not_due, kZero, kNone},
  };
  for (const FromDayOnCase& c : kCases) check(c);
}

TEST(DueFromDayOn, EdgeCases) {
  const FromDayOnCase kCases[] = {
      {"TOMORROW2 is day 0: always due", kRunDay, "TOMORROW2", 0, all_files, kZero, kNone},
      {"YEAR alone", kRunDay, "YEAR", 0, files_up_to, kRunDay, kNone},
      {"WEEK alone", kRunDay, "WEEK", 0, files_up_to, kRunDay, kNone},
      {"MONTH1 on 31 March", "1999-03-31", "MONTH1", 0, files_up_to, "1999-02-28", kNone},
      {"YEAR1 on 29 February", "2000-02-29", "YEAR1", 0, files_up_to, "1999-02-28", kNone},
      {"FRIDAY@1 before the first Friday", "1998-12-03", "FRIDAY", 1, not_due, kZero, kNone},
      {"FRIDAY@1 on the first Friday", "1998-12-04", "FRIDAY", 1, all_files, kZero, kNone},
      {"FRIDAY@1 on the month's last day", "1998-12-31", "FRIDAY", 1, all_files, kZero, kNone},
      {"FRIDAY@1 next month before its Friday", "1999-02-04", "FRIDAY", 1, not_due, kZero, kNone},
      {"SUNDAY@5 in a month of four Sundays", "1999-02-28", "SUNDAY", 5, not_due, kZero, kNone},
      {"SUNDAY@5 in a month of five Sundays", "1998-11-30", "SUNDAY", 5, all_files, kZero, kNone},
      {"15 on the 14th", "1998-12-14", "15", 0, not_due, kZero, kNone},
      {"15 on the 15th", "1998-12-15", "15", 0, all_files, kZero, kNone},
      {"15 on the 31st", "1998-12-31", "15", 0, all_files, kZero, kNone},
      {"0", "1998-12-01", "0", 0, all_files, kZero, kNone},
      {"MAIL", "1998-12-01", "MAIL", 0, all_files, kZero, kNone},
      {"E1 on the last day", "1999-02-28", "E1", 0, all_files, kZero, kNone},
      {"E1 the day before", "1999-02-27", "E1", 0, not_due, kZero, kNone},
      {"E3 on the 29th", "1998-12-29", "E3", 0, all_files, kZero, kNone},
      {"E3 on the 28th", "1998-12-28", "E3", 0, not_due, kZero, kNone},
      {"NOTES on the last day", "1998-12-31", "NOTES", 0, all_files, kZero, kNone},
      {"NOTES before it", "1998-12-30", "NOTES", 0, not_due, kZero, kNone},
      {"12-25 on 24 December", "1998-12-24", "12-25", 0, not_due, kZero, kNone},
      {"12-25 on 25 December", "1998-12-25", "12-25", 0, all_files, kZero, kNone},
      {"12-25 on 31 December", "1998-12-31", "12-25", 0, all_files, kZero, kNone},
      {"12-25 on 1 January", "1999-01-01", "12-25", 0, not_due, kZero, kNone},
      {"13-1 rolls into next year", "1998-12-31", "13-1", 0, not_due, kZero, kNone},
      {"1-32 rolls into February", "1998-02-01", "1-32", 0, all_files, kZero, kNone},
      {"98-12 (the writer's unchanged proposal)", "1998-12-31", "98-12", 0, not_due, kZero, kNone},
      {"2-E before the end of February", "2000-02-28", "2-E", 0, not_due, kZero, kNone},
      {"2-E on 29 February", "2000-02-29", "2-E", 0, all_files, kZero, kNone},
      {"98-12-25 years later", "2003-06-01", "98-12-25", 0, all_files, kZero, kNone},
      {"1999-2-E2 on its day", "1999-02-27", "1999-2-E2", 0, all_files, kZero, kNone},
      {"1999-2-E2 the day before", "1999-02-26", "1999-2-E2", 0, not_due, kZero, kNone},
      {"98-2-30 is no date", kRunDay, "98-2-30", 0, not_due, kZero, type_mismatch},
      {"A-B-C is no date", kRunDay, "A-B-C", 0, not_due, kZero, type_mismatch},
      {"YEAR3000 keeps the zero date", kRunDay, "YEAR3000", 0, files_up_to, kZero,
       invalid_argument},
      {"MONDAY@4683 overflows", kRunDay, "MONDAY", 4683, not_due, kZero, overflow},
      {"1-40000 overflows", kRunDay, "1-40000", 0, not_due, kZero, overflow},
      {"a leading dash leaves the year empty", kRunDay, "-12-25", 0, not_due, kZero, type_mismatch},
  };
  for (const FromDayOnCase& c : kCases) check(c);
}

TEST(DueFromDayOn, IgnoresTheWindowAndTheCatchUpMark) {
  const char* const kRules[] = {"TOMORROW", "YEAR1",     "MONDAY",   "15",       "E3",   "2-E",
                                "12-25",    "1999-2-E2", "98-12-25", "EVERYDAY", "MAIL", "98-2-30"};
  for (const char* rule : kRules) {
    SCOPED_TRACE(rule);
    schedule_name plain;
    plain.rule = rule;
    plain.week_of_month = 2;
    plain.stays_due = true;
    schedule_name wide = plain;
    wide.days = 5;
    wide.window_days = 11;
    wide.catch_up = true;
    const run_calendar calendar = make_run_calendar(D(kRunDay));
    const due_verdict a = due_from_day_on(plain, calendar);
    const due_verdict b = due_from_day_on(wide, calendar);
    EXPECT_EQ(a.kind, b.kind);
    EXPECT_EQ(a.from, b.from);
    EXPECT_EQ(b.to, zero_date);
    EXPECT_EQ(b.repeat_every, 0);
  }
}

folder_evaluation on(const char* today, const char* folder, long long missed = 0) {
  return evaluate_folder(folder, missed, make_run_calendar(D(today)));
}

TEST(EvaluateFolder, SplitsAndPicksTheTestByTheMinusMark) {
  const folder_evaluation e = on("1998-12-16", "Sunday@2=3+-", 4);
  EXPECT_EQ(e.name.rule, "SUNDAY");
  EXPECT_TRUE(e.name.stays_due);
  EXPECT_TRUE(e.name.catch_up);
  EXPECT_EQ(e.name.days, 3);
  EXPECT_EQ(e.name.window_days, 6);
  EXPECT_EQ(e.name.week_of_month, 2);
  EXPECT_EQ(e.test, due_test::from_day_on);
  EXPECT_EQ(e.verdict.kind, due_kind::all_files);  // second Sunday, 13 December, has come
  EXPECT_TRUE(e.failures.empty());

  // Without the minus mark the same name is due only on a day of its window.
  EXPECT_EQ(on("1998-12-16", "Sunday@2=3+", 0).verdict.kind, due_kind::not_due);
  EXPECT_EQ(on("1998-12-16", "Sunday@2=3+", 1).verdict.kind, due_kind::all_files);
}

// Each folder name with the days it is due on and days it is not.
TEST(EvaluateFolder, NamesFallDueOnTheirDays) {
  struct Case {
    const char* folder;
    long long missed;
    std::vector<const char*> due;
    std::vector<const char*> not_due;
  };
  const Case kCases[] = {
      {"98-12-25", 0, {"1998-12-25"}, {"1998-12-24", "1998-12-26", "1999-12-25"}},
      {"1998-12-25=3", 0, {"1998-12-25", "1998-12-26", "1998-12-27"}, {"1998-12-24", "1998-12-28"}},
      {"12-25+", 0, {"1998-12-25", "2005-12-25"}, {"1998-12-26"}},
      {"12-25+", 2, {"1998-12-26", "1998-12-27"}, {"1998-12-28"}},
      {"15", 0, {"1998-12-15", "1999-02-15"}, {"1998-12-14", "1998-12-16"}},
      {"E", 0, {"1998-12-31", "1999-02-28", "2000-02-29"}, {"1998-12-30", "2000-02-28"}},
      {"e1", 0, {"1998-12-31"}, {"1998-12-30"}},
      {"E3", 0, {"1999-01-29", "1999-02-26"}, {"1999-01-31"}},
      {"2-E", 0, {"1999-02-28", "2000-02-29"}, {"1999-03-01"}},
      {"1999-2-E2", 0, {"1999-02-27"}, {"1999-02-28", "2000-02-28"}},
      {"sunday", 0, {"1998-12-13", "1998-12-20"}, {"1998-12-14"}},
      {"SUNDAY@2", 0, {"1998-12-13", "1999-01-10"}, {"1998-12-06", "1998-12-20"}},
      {"12-25-", 0, {"1998-12-25", "1998-12-31"}, {"1998-12-24", "1999-01-01"}},
      {"98-12-", 0, {}, {"1998-12-16", "1998-12-31"}},
      // Names the writer proposes keep reading as the year they were written in.
      {"30-1-15", 0, {"2030-01-15"}, {"2030-01-14", "2030-01-16"}},
      {"\xEF\xBC\xA5\xEF\xBC\xB6\xEF\xBC\xA5\xEF\xBC\xB2\xEF\xBC\xB9\xEF\xBC\xA4\xEF\xBC\xA1\xEF"
       "\xBC\xB9",
       0,
       {},
       {"1998-12-15", "1998-12-31"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.folder) + " missed " + std::to_string(c.missed));
    for (const char* day : c.due) {
      SCOPED_TRACE(day);
      EXPECT_EQ(on(day, c.folder, c.missed).verdict.kind, due_kind::all_files);
    }
    for (const char* day : c.not_due) {
      SCOPED_TRACE(day);
      EXPECT_EQ(on(day, c.folder, c.missed).verdict.kind, due_kind::not_due);
    }
  }
}

TEST(EvaluateFolder, RangesOfTheFormsThatSelectFiles) {
  struct Case {
    const char* folder;
    due_kind kind;
    const char* from;
    const char* to;
    int16_t repeat_every;
  };
  const Case kCases[] = {
      {"TOMORROW", due_kind::files_within, "1998-12-15", "1998-12-15", 0},
      {"EVERY MONTH", due_kind::repeating, "1998-12-16", "1998-12-16", 1},
      {"EVERYDAY2", due_kind::repeating, "1998-12-16", "1998-12-16", 2},
      {"YEAR1", due_kind::files_up_to, "1997-12-16", "1997-12-16", 0},
      {"YEAR1=7", due_kind::files_within, "1997-12-10", "1997-12-16", 0},
      {"TOMORROW-", due_kind::files_up_to, "1998-12-15", "1899-12-30", 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.folder);
    const folder_evaluation e = on("1998-12-16", c.folder);
    EXPECT_EQ(e.verdict.kind, c.kind);
    EXPECT_EQ(format_iso_date(e.verdict.from), c.from);
    EXPECT_EQ(format_iso_date(e.verdict.to), c.to);
    EXPECT_EQ(e.verdict.repeat_every, c.repeat_every);
  }
}

TEST(EvaluateFolder, FailuresAreCollectedInOrderAndEndOnlyTheirStep) {
  const folder_evaluation e = on("1998-12-16", "EVERYDAY99999=40000");
  ASSERT_EQ(e.failures.size(), 2u);
  EXPECT_EQ(e.failures[0].code, failure_code::overflow);  // the days after "=", in the split
  EXPECT_EQ(e.failures[1].code, failure_code::overflow);  // the repeat step, in the test
  EXPECT_EQ(e.verdict.kind, due_kind::not_due);
  EXPECT_EQ(e.verdict.repeat_every, 0);

  const folder_evaluation bad_date = on("1998-12-16", "1998-13-45");
  ASSERT_EQ(bad_date.failures.size(), 1u);
  EXPECT_EQ(bad_date.failures[0].code, failure_code::type_mismatch);
  EXPECT_FALSE(bad_date.failures[0].description.empty());
}

// Whatever the bytes of a name, the evaluation ends with a known due kind, a
// repeating kind with a step of at least 1, and dates inside the supported
// years or the zero date.
TEST(EvaluateFolder, ArbitraryNamesKeepTheInvariants) {
  std::mt19937 random(20261207);
  const std::string alphabet = "EVERYDAYMONTHWEEKSUNDAY0123456789-+=@ .E\xEF\xBC\xA5\x80\xFF\t";
  for (int i = 0; i < 20000; ++i) {
    std::string name;
    const int length = static_cast<int>(random() % 24);
    for (int j = 0; j < length; ++j) name += alphabet[random() % alphabet.size()];
    const date today =
        D("1998-12-16") + std::chrono::days{static_cast<int>(random() % 4000) - 2000};
    const long long missed = random() % 3 == 0 ? random() % 40000 : 0;
    SCOPED_TRACE(name);
    const folder_evaluation e = evaluate_folder(name, missed, make_run_calendar(today));
    ASSERT_GE(e.verdict.kind, due_kind::not_due);
    ASSERT_LE(e.verdict.kind, due_kind::files_within);
    if (e.verdict.kind == due_kind::repeating) {
      ASSERT_GE(e.verdict.repeat_every, 1);
    }
    for (date d : {e.verdict.from, e.verdict.to}) {
      ASSERT_TRUE(d == zero_date || in_supported_range(d));
    }
  }
}

}  // namespace
}  // namespace mj

namespace mj {
namespace {

// The window test against its definition: due when any one day of the window
// is a day of the form, each day judged alone (a window of one day).
bool due_by_definition(const schedule_name& name, date today) {
  schedule_name one_day = name;
  one_day.days = 0;
  one_day.window_days = 0;
  for (int i = 0; i <= name.window_days; ++i)
    if (due_on_day(one_day, make_run_calendar(today - std::chrono::days{i})).kind ==
        due_kind::all_files)
      return true;
  return false;
}

TEST(DueOnDay, WideWindowsAgreeWithTheirDefinition) {
  struct Case {
    const char* rule;
    int16_t week;
    std::vector<int16_t> windows;
  };
  const Case kCases[] = {
      {"E", 0, {0, 5, 40}},
      {"E30", 0, {10, 70, 400}},
      {"E31", 0, {400}},  // no month has it
      {"2-29", 0, {300, 1500, 3000}},
      {"2-30", 0, {3000}},
      {"31", 0, {20, 65}},
      {"SUNDAY", 5, {30, 200}},
      {"SUNDAY", 6, {400}},
      {"2096-02-29", 0, {0, 4000}},
  };
  std::mt19937 random(17);
  for (const Case& c : kCases) {
    for (int16_t window : c.windows) {
      schedule_name name;
      name.rule = c.rule;
      name.week_of_month = c.week;
      name.days = static_cast<int16_t>(window + 1);
      name.window_days = window;
      // Days around the long gap of 29 February, from 2096 to 2104.
      for (int k = 0; k < 12; ++k) {
        const date today = D("2096-01-01") + std::chrono::days{random() % 3700};
        SCOPED_TRACE(std::string(c.rule) + " window " + std::to_string(window) + " on " +
                     format_iso_date(today));
        EXPECT_EQ(due_on_day(name, make_run_calendar(today)).kind == due_kind::all_files,
                  due_by_definition(name, today));
      }
    }
  }
}

TEST(DueOnDay, TheSameVerdictEveryDayIsClaimedOnlyWhereItHolds) {
  struct Case {
    const char* folder_name;
    bool same;
  };
  const Case kCases[] = {
      {"E3=32767", true},        {"SUNDAY@2=5000", true},
      {"2-29=2928", true},       {"31=3000", true},
      {"2-30=32000", true},      {"E3=2000", false},
      {"12-25", false},          {"TOMORROW=32767", false},
      {"EVERYDAY=32767", false}, {"2026-12-25=32767", false},
      {"12-E=32767", false},     {"E3=32767-", false},
  };
  const date first = D("2026-12-07");
  const date last = first + std::chrono::days{800};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.folder_name);
    std::vector<failure> ignored;
    const schedule_name name = split_schedule_name(c.folder_name, 0, ignored);
    ASSERT_EQ(same_verdict_every_day(name, first, last), c.same);
    if (!c.same) continue;
    const due_verdict expected = due_on_run(name, make_run_calendar(first));
    for (date d = first; d <= last; d += std::chrono::days{1}) {
      const due_verdict v = due_on_run(name, make_run_calendar(d));
      ASSERT_EQ(v.kind, expected.kind) << format_iso_date(d);
      ASSERT_EQ(v.ended_by, expected.ended_by) << format_iso_date(d);
    }
  }
  // Near the first supported years a window meets their start.
  std::vector<failure> ignored;
  EXPECT_FALSE(same_verdict_every_day(split_schedule_name("E3=32767", 0, ignored), D("0150-01-01"),
                                      D("0160-01-01")));
}

}  // namespace
}  // namespace mj
