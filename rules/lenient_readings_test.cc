// SPDX-License-Identifier: MIT
#include "rules/lenient_readings.h"

#include <gtest/gtest.h>

#include "rules/next_openings.h"
#include "rules/test_support.h"

namespace mj {
namespace {

using testing::D;

TEST(LenientReadings, NamesReadOnlyLenientlyAndWhatTheyProbablyMean) {
  struct Case {
    const char* name;
    lenient_kind kind;
    const char* suggestion;
  };
  const Case kCases[] = {
      {"YEAR", lenient_kind::no_wait, "YEAR1"},
      {"month", lenient_kind::no_wait, "MONTH1"},
      {"WEEK", lenient_kind::no_wait, "WEEK1"},
      {"DAY", lenient_kind::no_wait, "DAY1"},
      {"YEAR+", lenient_kind::no_wait, "YEAR1+"},
      {"WEEKEND", lenient_kind::no_wait, "WEEK1"},
      {"MONDAY MORNING", lenient_kind::weekday_with_words, "MONDAY"},
      {"Sundays@2", lenient_kind::weekday_with_words, "SUNDAY@2"},
      {"next week", lenient_kind::phrase_as_month_end, "WEEK1"},
      {"NEXT MONDAY", lenient_kind::phrase_as_month_end, "MONDAY"},
      {"yesterday", lenient_kind::phrase_as_month_end, "E"},
      {"1 dec 2027", lenient_kind::phrase_as_month_end, "2027-12-1"},
      {"1 jan 2027", lenient_kind::date_as_day_of_month, "2027-1-1"},
      {"01.01.2027", lenient_kind::date_as_day_of_month, "2027-1-1"},
      {"25.12", lenient_kind::date_as_day_of_month, "12-25"},
      {"12.25.2027", lenient_kind::date_as_day_of_month, "2027-12-25"},
      {"2027.3.4", lenient_kind::date_as_day_of_month, "2027-3-4"},
      {"5 jan", lenient_kind::date_as_day_of_month, "1-5"},
      {"15th", lenient_kind::date_as_day_of_month, "15"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::optional<lenient_reading> r = lenient_reading_of(c.name, 2026);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->kind, c.kind);
    EXPECT_EQ(r->suggestion, c.suggestion);
    EXPECT_NE(r->words.find(c.suggestion), std::string::npos) << r->words;
    // The suggestion itself is read as written.
    EXPECT_FALSE(lenient_reading_of(r->suggestion, 2026).has_value());
  }
}

TEST(LenientReadings, NamesReadAsWrittenAreNotFlagged) {
  for (const char* name :
       {"YEAR1",     "MONTH6=3",   "YEAR0",       "WEEK2-",       "DAY 10", "TOMORROW",
        "TOMORROW+", "EVERYDAY",   "EVERY MONTH", "EVERY WEEK 3", "SUNDAY", "SUNDAY@2=3+-",
        "MONDAY",    "E",          "E3",          "e1+",          "15",     "15-",
        "12-25",     "1998-12-25", "2-E",         "26-12-",       "FOO",    ""}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(lenient_reading_of(name, 2026).has_value());
  }
}

TEST(LenientReadings, TheWarnedNamesOpenAsTheWarningSays) {
  // "YEAR" opens at once and at every run; its suggestion waits a year.
  const wall_time stored = wall_time{D("2026-12-07")} + std::chrono::hours{12};
  EXPECT_EQ(forecast_openings("YEAR", stored, 1).every_run_from, D("2026-12-07"));
  EXPECT_EQ(forecast_openings("YEAR1", stored, 1).every_run_from, D("2027-12-07"));
  // "next week" is a month end; its suggestion opens from a week on.
  EXPECT_EQ(forecast_openings("next week", stored, 1).openings.front(), D("2026-12-31"));
  EXPECT_EQ(forecast_openings("WEEK1", stored, 1).every_run_from, D("2026-12-14"));
}

TEST(CatchUpForm, AddsThePlusWhereItChangesSomething) {
  EXPECT_EQ(catch_up_form("TOMORROW"), "TOMORROW+");
  EXPECT_EQ(catch_up_form("  12-25=3 "), "12-25=3+");
  EXPECT_EQ(catch_up_form("monday"), "monday+");
  EXPECT_EQ(catch_up_form("TOMORROW+"), std::nullopt);
  EXPECT_EQ(catch_up_form("12-25-"), std::nullopt);
  EXPECT_EQ(catch_up_form(""), std::nullopt);
}

TEST(FirstDayWithARun, TodayUnlessItsRunIsOver) {
  EXPECT_EQ(first_day_with_a_run(D("2026-12-07"), std::nullopt), D("2026-12-07"));
  EXPECT_EQ(first_day_with_a_run(D("2026-12-07"), D("2026-12-06")), D("2026-12-07"));
  EXPECT_EQ(first_day_with_a_run(D("2026-12-07"), D("2026-12-07")), D("2026-12-08"));
  // A record from a clock that was ahead: today is still over.
  EXPECT_EQ(first_day_with_a_run(D("2026-12-07"), D("2026-12-20")), D("2026-12-08"));
}

}  // namespace
}  // namespace mj
