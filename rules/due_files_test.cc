// SPDX-License-Identifier: MIT
#include "rules/due_files.h"

#include <gtest/gtest.h>

#include <random>

#include "rules/test_support.h"

namespace mj {
namespace {

using namespace std::chrono;
using testing::D;

wall_time at(const char* day, int h, int m = 0, int s = 0) {
  return wall_time{D(day)} + hours{h} + minutes{m} + seconds{s};
}

due_verdict verdict(due_kind kind, const char* from, const char* to, int16_t repeat_every = 0) {
  due_verdict v;
  v.kind = kind;
  v.from = D(from);
  v.to = D(to);
  v.repeat_every = repeat_every;
  return v;
}

// The repetition search written out step by step: repetition k of t lies
// k * interval units after t; the first one within from..to queues the file,
// the first one after today that misses the days ends the search.
bool literal_repetition_falls_within(wall_time t, date_unit unit, int16_t interval, date from,
                                     date to, date today) {
  if (interval < 1) return false;
  for (long long k = 1;; ++k) {
    const std::optional<wall_time> n = repetition_of(t, unit, k * interval);
    if (!n) return false;
    if (*n >= wall_time{from} && *n < wall_time{to + days{1}}) return true;
    if (*n > wall_time{today}) return false;
  }
}

TEST(DueFileRule, DayRangesTakeInWholeDays) {
  struct Case {
    const char* name;
    due_verdict folder;
    wall_time t;
    bool due;
  };
  const char* today = "1998-12-16";
  const Case kCases[] = {
      {"whole folder, any time", verdict(due_kind::all_files, "1899-12-30", "1899-12-30"),
       at("2030-01-01", 0), true},
      {"up to a day, its last second", verdict(due_kind::files_up_to, "1998-12-13", "1998-12-13"),
       at("1998-12-13", 23, 59, 59), true},
      {"up to a day, the next midnight", verdict(due_kind::files_up_to, "1998-12-13", "1998-12-13"),
       at("1998-12-14", 0), false},
      {"up to a day, long before", verdict(due_kind::files_up_to, "1998-12-13", "1998-12-13"),
       at("1970-01-01", 0), true},
      {"within days, first instant", verdict(due_kind::files_within, "1998-12-10", "1998-12-12"),
       at("1998-12-10", 0), true},
      {"within days, the second before",
       verdict(due_kind::files_within, "1998-12-10", "1998-12-12"), at("1998-12-09", 23, 59, 59),
       false},
      {"within days, last second", verdict(due_kind::files_within, "1998-12-10", "1998-12-12"),
       at("1998-12-12", 23, 59, 59), true},
      {"within days, the day after", verdict(due_kind::files_within, "1998-12-10", "1998-12-12"),
       at("1998-12-13", 0), false},
      {"TOMORROW, yesterday late", verdict(due_kind::files_within, "1998-12-15", "1998-12-15"),
       at("1998-12-15", 22), true},
      {"TOMORROW, today", verdict(due_kind::files_within, "1998-12-15", "1998-12-15"),
       at("1998-12-16", 8), false},
      {"not due", verdict(due_kind::not_due, "1998-12-15", "1998-12-15"), at("1998-12-15", 8),
       false},
      {"unknown due kind", verdict(static_cast<due_kind>(5), "1998-12-15", "1998-12-15"),
       at("1998-12-15", 8), false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(file_is_due(c.folder, std::nullopt, c.t, D(today)), c.due);
  }
}

TEST(DueFileRule, RepetitionsAreCountedFromTheFileTime) {
  struct Case {
    const char* name;
    date_unit unit;
    int16_t interval;
    const char* from;
    const char* to;
    const char* today;
    wall_time t;
    bool due;
  };
  const Case kCases[] = {
      {"daily, modified yesterday", date_unit::days, 1, "1998-12-16", "1998-12-16", "1998-12-16",
       at("1998-12-15", 10), true},
      {"daily, modified today: repetitions start one step on", date_unit::days, 1, "1998-12-16",
       "1998-12-16", "1998-12-16", at("1998-12-16", 9), false},
      {"every second day, odd gap", date_unit::days, 2, "1998-12-16", "1998-12-16", "1998-12-16",
       at("1998-12-13", 10), false},
      {"every second day, even gap", date_unit::days, 2, "1998-12-16", "1998-12-16", "1998-12-16",
       at("1998-12-12", 10), true},
      {"monthly, 31 January on 28 February", date_unit::months, 1, "1998-02-28", "1998-02-28",
       "1998-02-28", at("1998-01-31", 12), true},
      {"monthly, 31 January on 31 March", date_unit::months, 1, "1998-03-31", "1998-03-31",
       "1998-03-31", at("1998-01-31", 12), true},
      {"monthly, 31 January not on 28 March", date_unit::months, 1, "1998-03-28", "1998-03-28",
       "1998-03-28", at("1998-01-31", 12), false},
      {"yearly, 29 February on 28 February", date_unit::years, 1, "2025-02-28", "2025-02-28",
       "2025-02-28", at("2024-02-29", 12), true},
      {"yearly, 29 February again after four years", date_unit::years, 4, "2028-02-29",
       "2028-02-29", "2028-02-29", at("2024-02-29", 12), true},
      {"weekly, fell two days ago within three days", date_unit::weeks, 1, "1998-12-14",
       "1998-12-16", "1998-12-16", at("1998-12-07", 18), true},
      {"weekly, next one tomorrow", date_unit::weeks, 1, "1998-12-14", "1998-12-16", "1998-12-16",
       at("1998-12-10", 18), false},
      {"yearly, thirty years on", date_unit::years, 1, "2028-06-01", "2028-06-01", "2028-06-01",
       at("1998-06-01", 0), true},
      {"file from the future", date_unit::days, 1, "1998-12-16", "1998-12-16", "1998-12-16",
       at("1999-01-01", 0), false},
      {"step past year 9999", date_unit::years, 32767, "1998-12-16", "1998-12-16", "1998-12-16",
       at("1990-12-16", 0), false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const bool due =
        repetition_falls_within(c.t, c.unit, c.interval, D(c.from), D(c.to), D(c.today));
    EXPECT_EQ(due, c.due);
    EXPECT_EQ(due, literal_repetition_falls_within(c.t, c.unit, c.interval, D(c.from), D(c.to),
                                                   D(c.today)));
  }
}

TEST(DueFileRule, AStepBelowOneNeverRepeats) {
  for (const int16_t interval : {int16_t{0}, int16_t{-1}, int16_t{-32768}}) {
    SCOPED_TRACE(interval);
    EXPECT_FALSE(repetition_falls_within(at("1998-12-15", 10), date_unit::days, interval,
                                         D("1998-12-16"), D("1998-12-16"), D("1998-12-16")));
    EXPECT_FALSE(file_is_due(verdict(due_kind::repeating, "1998-12-16", "1998-12-16", interval),
                             date_unit::days, at("1998-12-15", 10), D("1998-12-16")));
    EXPECT_EQ(
        first_repetition_from(at("1998-12-15", 10), date_unit::days, interval, D("1998-12-16")),
        std::nullopt);
  }
}

TEST(DueFileRule, JumpingGivesTheSameAnswersAsSteppingThroughEveryRepetition) {
  std::mt19937 random(20240229);
  const auto uniform = [&](long long lo, long long hi) {
    return std::uniform_int_distribution<long long>(lo, hi)(random);
  };
  const date_unit kUnits[] = {date_unit::days, date_unit::weeks, date_unit::months,
                              date_unit::years};
  // File days biased towards month ends and 29 February, where months and
  // years fall back.
  const auto file_day = [&](date around) {
    const date d = around + days{uniform(-30 * 366, 30)};
    const year_month_day ymd{d};
    switch (uniform(0, 3)) {
      case 0:
        return date{ymd.year() / ymd.month() / last};
      case 1:
        return date{year{2000 + 4 * static_cast<int>(uniform(-25, 10))} / February / 29};
      default:
        return d;
    }
  };
  const int16_t kSteps[] = {1, 1, 1, 2, 3, 5, 7, 12, 13, 48, 100};
  int due_count = 0;
  for (int i = 0; i < 20000; ++i) {
    const date today = D("2000-01-01") + days{uniform(0, 40 * 366)};
    // Mostly what the due tests give (days ending today), sometimes days
    // that lie wholly before or after today.
    const long long shift = uniform(0, 2) == 0 ? uniform(-400, 60) : 0;
    const date to = today + days{shift};
    const date from = to - days{uniform(0, 3) == 0 ? uniform(-2, 60) : uniform(0, 3)};
    const wall_time t = wall_time{file_day(today)} + seconds{uniform(0, 86399)};
    const date_unit unit = kUnits[uniform(0, 3)];
    const int16_t interval = kSteps[uniform(0, std::size(kSteps) - 1)];
    const bool expected = literal_repetition_falls_within(t, unit, interval, from, to, today);
    std::optional<wall_time> first;
    for (long long k = 1; !first; ++k) {
      const std::optional<wall_time> n = repetition_of(t, unit, k * interval);
      if (!n) break;
      if (*n >= wall_time{from}) first = n;
    }
    ASSERT_EQ(first_repetition_from(t, unit, interval, from), first) << "case " << i;
    ASSERT_EQ(repetition_falls_within(t, unit, interval, from, to, today), expected)
        << "case " << i << ": file " << format_iso_date(floor<days>(t)) << " unit "
        << static_cast<int>(unit) << " every " << interval << ", days " << format_iso_date(from)
        << ".." << format_iso_date(to) << " today " << format_iso_date(today);
    due_count += expected;
  }
  // The cases must exercise both answers, or the comparison proves little.
  EXPECT_GT(due_count, 500);
  EXPECT_LT(due_count, 19500);
}

// The days of a file's repetitions within a stretch are exactly the days of
// the stretch on which the repetition search finds one within that day
// alone: days and weeks stepped by day arithmetic, months and years falling
// back at month ends, the ends of the supported years cutting them off.
TEST(DueFileRule, RepetitionDaysAreTheDaysOnWhichTheSearchFindsOne) {
  struct Case {
    wall_time t;
    date_unit unit;
    int16_t every;
    const char* from;
    const char* to;
  };
  const Case kCases[] = {
      {at("2026-12-06", 12), date_unit::days, 1, "2026-12-01", "2027-01-10"},
      {at("2026-12-06", 23, 59), date_unit::days, 3, "2026-12-06", "2027-02-10"},
      {at("2020-02-29", 0), date_unit::weeks, 2, "2026-01-01", "2026-12-31"},
      {at("2026-01-31", 9), date_unit::months, 1, "2026-01-01", "2028-12-31"},
      {at("2024-02-29", 12), date_unit::years, 1, "2024-01-01", "2033-12-31"},
      {at("2024-02-29", 12), date_unit::months, 13, "2024-01-01", "2040-12-31"},
      {at("1990-05-31", 8), date_unit::months, 3, "2026-01-01", "2027-12-31"},
      {at("9999-12-20", 8), date_unit::days, 2, "9999-12-01", "9999-12-31"},
      {at("9998-06-30", 8), date_unit::months, 5, "9998-01-01", "9999-12-31"},
      {at("0100-01-05", 8), date_unit::weeks, 1, "0100-01-01", "0100-04-01"},
      {at("2026-12-06", 12), date_unit::days, 0, "2026-12-01", "2027-01-10"},
      {at("2026-12-06", 12), date_unit::days, 1, "2027-01-10", "2026-12-01"},
      {at("2027-06-01", 12), date_unit::days, 7, "2026-12-01", "2027-01-10"},  // after the days
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.from) + ".." + c.to + " every " + std::to_string(c.every));
    std::vector<date> found;
    repetition_days_within(c.t, c.unit, c.every, D(c.from), D(c.to), found);
    std::vector<date> expected;
    for (date d = D(c.from); d <= D(c.to); d += days{1})
      if (repetition_falls_within(c.t, c.unit, c.every, d, d, d)) expected.push_back(d);
    EXPECT_EQ(found, expected);
  }
}

}  // namespace
}  // namespace mj
