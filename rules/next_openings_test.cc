// SPDX-License-Identifier: MIT
#include "rules/next_openings.h"

#include <gtest/gtest.h>

#include "rules/due_files.h"
#include "rules/due_tests.h"
#include "rules/test_support.h"

namespace mj {
namespace {

using namespace std::chrono;
using testing::D;

wall_time noon(const char* day) { return wall_time{D(day)} + std::chrono::hours{12}; }

std::vector<std::string> iso_days(const std::vector<date>& days) {
  std::vector<std::string> out;
  for (date d : days) out.push_back(format_iso_date(d));
  return out;
}

TEST(ForecastOpenings, FirstOpeningsOfEachKindOfName) {
  struct Case {
    const char* name;
    std::vector<std::string> openings;
    const char* every_run_from;  // nullptr: none
  };
  // Stored on Monday 7 December 2026 at noon.
  const Case kCases[] = {
      {"TOMORROW", {"2026-12-08"}, nullptr},
      {"TOMORROW=3", {"2026-12-08", "2026-12-09", "2026-12-10"}, nullptr},
      {"12-25", {"2026-12-25", "2027-12-25", "2028-12-25"}, nullptr},
      {"E", {"2026-12-31", "2027-01-31", "2027-02-28"}, nullptr},
      {"7", {"2026-12-07", "2027-01-07", "2027-02-07"}, nullptr},
      {"EVERY MONTH", {"2027-01-07", "2027-02-07", "2027-03-07"}, nullptr},
      {"SUNDAY@2", {"2026-12-13", "2027-01-10", "2027-02-14"}, nullptr},
      {"2026-12-24=2", {"2026-12-24", "2026-12-25"}, nullptr},
      {"YEAR1", {"2027-12-07"}, "2027-12-07"},
      {"EVERYDAY", {"2026-12-08"}, "2026-12-08"},
      {"", {"2026-12-07"}, "2026-12-07"},
      {"FOO", {}, nullptr},
      {"26-12-", {}, nullptr},
      {"2026-12-01", {}, nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const opening_forecast f = forecast_openings(c.name, noon("2026-12-07"), 3);
    EXPECT_EQ(iso_days(f.openings), c.openings);
    EXPECT_EQ(f.every_run_from ? format_iso_date(*f.every_run_from) : "",
              c.every_run_from ? c.every_run_from : "");
  }
}

TEST(ForecastOpenings, ReportsTheNamesFailures) {
  const opening_forecast f = forecast_openings("98-2-30", noon("2026-12-07"), 3);
  EXPECT_TRUE(f.openings.empty());
  ASSERT_EQ(f.failures.size(), 1u);
  EXPECT_EQ(f.failures[0].code, failure_code::type_mismatch);
}

// Whether daily runs open a file of the folder, judged day by day over the
// whole forecast: one of `times`, or one stored from `now` on (a file stored
// on any day that a run's range of days holds; for repeating names, one stored
// now, whose repetitions come before those of any later one).
bool opens_judged_daily(std::string_view folder_name, const std::vector<wall_time>& times,
                        wall_time now) {
  std::vector<failure> ignored;
  const schedule_name name = split_schedule_name(folder_name, 0, ignored);
  const std::optional<date_unit> unit = repeat_unit_of(name.rule);
  const date today = floor<days>(now);
  year_month_day end = year_month_day{today} + years{kForecastYears};
  if (!end.ok()) end = end.year() / end.month() / std::chrono::last;
  const date last{end};
  for (date d = today; d <= last; d += days{1}) {
    const due_verdict v = due_on_run(name, make_run_calendar(d));
    for (const wall_time t : times)
      if (file_is_due(v, unit, t, d)) return true;
    wall_time stored = now;
    if (v.kind == due_kind::files_within) stored = std::max(now, wall_time{v.from});
    if (floor<days>(stored) <= d && file_is_due(v, unit, stored, d)) return true;
  }
  return false;
}

wall_time at(const char* day_and_time) {
  const std::string text = day_and_time;
  return wall_time{D(text.substr(0, 10).c_str())} + hours{std::stoi(text.substr(11, 2))};
}

TEST(OpensWithinForecast, AgreesWithJudgingEveryDayOfTheHundredYears) {
  struct Case {
    const char* name;
    const char* today;
    std::vector<const char*> files;  // "YYYY-MM-DD hh"
    bool opens;
  };
  const Case kCases[] = {
      {"TOMORROW", "2026-12-07", {}, true},
      {"TOMORROW=0", "2026-12-07", {"2026-12-06 10"}, false},
      {"2-29", "2096-03-01", {}, true},  // 2100 is no leap year: the next is in 2104
      {"2-30", "2026-12-07", {}, false},
      {"13-1", "2026-12-07", {}, false},
      {"13-1-", "2026-12-07", {}, false},
      {"0-E=5", "2026-12-07", {}, true},  // the day before 1 January, seen from 1 to 4 January
      {"0-E", "2026-12-07", {}, false},
      {"1998-12-25", "2026-12-07", {"1998-12-24 10"}, false},
      {"1998-12-25-", "2026-12-07", {}, true},
      {"2026-12-01=6", "2026-12-07", {}, false},
      {"2080-01-01", "2026-12-07", {}, true},
      {"2127-01-01", "2026-12-07", {}, false},  // a month past the forecast
      {"98-12-25", "2026-12-07", {}, true},     // read as 2098 from 2049 on
      {"98-2-30", "2026-12-07", {}, false},
      {"FOO", "2026-12-07", {"2026-01-01 10"}, false},
      {"SUNDAY@6", "2026-12-07", {}, false},
      {"SUNDAY-", "2026-12-07", {}, false},
      {"E32", "2026-12-07", {}, false},
      {"40-", "2026-12-07", {}, false},
      {"YEAR1", "2026-12-07", {}, true},
      {"YEAR101", "2026-12-07", {}, false},
      {"YEAR101", "2026-12-07", {"1920-01-01 12"}, true},
      {"YEAR150", "2026-12-07", {"1990-01-01 12", "1976-06-01 12"}, true},
      {"YEAR150", "2026-12-07", {"1990-01-01 12", "2000-06-01 12"}, false},
      // 150 years back from 28 February and 1 March 2126 are 28 February
      // and 1 March 1976: no run takes 29 February 1976.
      {"YEAR150=1", "2026-12-07", {"1976-02-29 12"}, false},
      {"YEAR150=1", "2026-12-07", {"1976-02-28 12"}, true},
      {"YEAR150=2", "2026-12-07", {"1976-02-29 12"}, true},
      {"MONTH1=1", "2027-01-30", {}, true},  // files stored in February still come back
      {"EVERY YEAR 150", "2026-12-07", {}, false},
      {"EVERY YEAR 150", "2026-12-07", {"1900-06-01 12"}, true},
      {"EVERY YEAR 150", "2026-12-07", {"1980-06-01 12", "1990-06-01 12"}, false},
      {"EVERY MONTH=0", "2026-12-07", {"2026-11-07 12"}, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.name) + " on " + c.today);
    std::vector<wall_time> times;
    for (const char* f : c.files) times.push_back(at(f));
    std::sort(times.begin(), times.end());
    const wall_time now = noon(c.today);
    EXPECT_EQ(opens_within_forecast(c.name, times, now), c.opens);
    EXPECT_EQ(opens_judged_daily(c.name, times, now), c.opens);
  }
}

TEST(OpensWithinForecast, TheCapsuleRootAndAWindowLongerThanAYear) {
  EXPECT_TRUE(opens_within_forecast("", {}, noon("2026-12-07")));  // opens at every run

  // "=32767": each due test walks 32767 days back and ends in an overflow,
  // yet takes the whole folder when one of them is its day.
  EXPECT_FALSE(opens_within_forecast("0=32767", {}, noon("2026-12-07")));
  EXPECT_TRUE(opens_within_forecast("2100-01-01=32767", {}, noon("2026-12-07")));
}

TEST(ForecastOpenings, AfterTodaysRunTheForecastStartsTomorrow) {
  struct Case {
    const char* name;
    std::vector<std::string> openings;
    const char* every_run_from;  // nullptr: none
  };
  // Stored on Monday 7 December 2026 at noon, after that day's run.
  const Case kCases[] = {
      {"2026-12-07", {}, nullptr},
      {"MONDAY", {"2026-12-14", "2026-12-21"}, nullptr},
      {"7", {"2027-01-07", "2027-02-07"}, nullptr},
      {"TOMORROW", {"2026-12-08"}, nullptr},
      {"2026-12-07=2", {"2026-12-08"}, nullptr},
      {"YEAR", {"2026-12-08"}, "2026-12-08"},
      {"", {"2026-12-08"}, "2026-12-08"},
      {"EVERY MONTH", {"2027-01-07", "2027-02-07"}, nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const opening_forecast f = forecast_openings(
        c.name, noon("2026-12-07"), 2, first_day_with_a_run(D("2026-12-07"), D("2026-12-07")));
    EXPECT_EQ(iso_days(f.openings), c.openings);
    EXPECT_EQ(f.every_run_from ? format_iso_date(*f.every_run_from) : "",
              c.every_run_from ? c.every_run_from : "");
  }
}

}  // namespace
}  // namespace mj
