// SPDX-License-Identifier: MIT
// The look-ahead's counting of a folder's openings over many days at once,
// against the plain way: each day judged with the rules' due test on that
// day alone, and each file with the due-file rule.
#include "opener/upcoming_days.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "rules/due_files.h"
#include "rules/test_support.h"

namespace mj::opener {
namespace {

using std::chrono::days;
using std::chrono::hours;
using testing::D;

// The plain way: how many of the files the run of each day opens.
std::vector<size_t> judged_day_by_day(size_t listed, const std::vector<wall_time>& times,
                                      std::optional<date_unit> unit,
                                      const std::vector<day_verdict>& verdicts, date first) {
  std::vector<size_t> opened;
  for (size_t i = 0; i < verdicts.size(); ++i) {
    due_verdict v;
    v.kind = verdicts[i].kind;
    v.from = verdicts[i].from;
    v.to = verdicts[i].to;
    v.repeat_every = verdicts[i].repeat_every;
    const date day = first + days{static_cast<long long>(i)};
    if (v.kind == due_kind::all_files) {
      opened.push_back(listed);
      continue;
    }
    size_t n = 0;
    for (const wall_time t : times) n += file_is_due(v, unit, t, day) ? 1 : 0;
    opened.push_back(n);
  }
  return opened;
}

// File times around `around`: month ends, 29 February, late and early hours,
// some far back and some ahead.
std::vector<wall_time> file_times(date around, std::mt19937& random) {
  const auto uniform = [&](long long lo, long long hi) {
    return std::uniform_int_distribution<long long>(lo, hi)(random);
  };
  std::vector<wall_time> times;
  for (int i = 0; i < 40; ++i) {
    date d = around + days{uniform(-12 * 366, 400)};
    const std::chrono::year_month_day ymd{d};
    if (i % 5 == 0) d = std::chrono::sys_days{ymd.year() / ymd.month() / std::chrono::last};
    if (i % 7 == 0) d = std::chrono::sys_days{std::chrono::year{2024} / 2 / 29};
    times.push_back(wall_time{d} + std::chrono::seconds{uniform(0, 86399)});
  }
  std::sort(times.begin(), times.end());
  return times;
}

TEST(FilesOpenedEachDay, AgreeWithEachDayJudgedAlone) {
  // Every kind of verdict, windows wide and narrow, steps of every unit.
  const char* kNames[] = {"EVERYDAY",     "EVERYDAY3=5",    "EVERY WEEK 2=3",
                          "EVERYWEEK=20", "EVERY MONTH",    "EVERYMONTH2=40",
                          "EVERY YEAR=3", "EVERYDAY 1=400", "TOMORROW",
                          "TOMORROW=6",   "TOMORROW-",      "YEAR1=2",
                          "MONTH2",       "MONTH1=10",      "DAY10",
                          "WEEK2-",       "YEAR2-",         "12-25=3",
                          "E3",           "SUNDAY@2-",      "15-",
                          "2-29=10",      "2027-01-05=40",  "FOO"};
  const char* kFirsts[] = {"2026-12-07", "2028-02-20", "9999-10-01", "0100-02-01"};
  std::mt19937 random(20261208);
  int opening_days = 0;
  for (const char* folder_name : kNames) {
    for (const char* first_text : kFirsts) {
      SCOPED_TRACE(std::string(folder_name) + " from " + first_text);
      std::vector<failure> ignored;
      const schedule_name name = split_schedule_name(folder_name, 0, ignored);
      const date first = D(first_text);
      const date last = std::min(first + days{500}, D("9999-12-31"));
      std::vector<day_verdict> verdicts;
      for (date d = first; d <= last; d += days{1})
        verdicts.emplace_back(due_on_run(name, make_run_calendar(d)));
      const std::vector<wall_time> times = file_times(first, random);
      const size_t listed = times.size() + 2;  // two files whose times could not be read
      const std::optional<date_unit> unit = repeat_unit_of(name.rule);
      const std::vector<size_t> got = files_opened_each_day(listed, times, unit, verdicts, first);
      const std::vector<size_t> expected = judged_day_by_day(listed, times, unit, verdicts, first);
      ASSERT_EQ(got, expected);
      opening_days += static_cast<int>(
          std::count_if(got.begin(), got.end(), [](size_t n) { return n > 0 && n < 40; }));
    }
  }
  // Most days opened some files but not all: the counts were not all zero.
  EXPECT_GT(opening_days, 5000);
}

// Verdicts the daily runs do not give, one after the other: repeating
// windows of another width, step or end than the rest, empty windows, and
// days not due between them. The counting must fall back to judging each
// file rather than sweep them.
TEST(FilesOpenedEachDay, AgreeForRepeatingVerdictsOfMixedShapes) {
  std::mt19937 random(7);
  const date first = D("2026-12-07");
  const std::vector<wall_time> times = file_times(first, random);
  for (const date_unit unit : {date_unit::days, date_unit::weeks, date_unit::months}) {
    std::vector<day_verdict> verdicts;
    for (int i = 0; i < 300; ++i) {
      const date day = first + days{i};
      day_verdict v;
      v.kind = due_kind::repeating;
      v.repeat_every = 3;
      v.to = day;
      v.from = day - days{4};
      switch (i % 11) {
        case 3:
          v.from = day - days{9};  // a wider window
          break;
        case 5:
          v.repeat_every = 2;  // another step
          break;
        case 7:
          v.to = day + days{2};  // days after the run's own
          v.from = day + days{1};
          break;
        case 8:
          v.from = day + days{1};  // an empty window
          break;
        case 9:
          v = day_verdict{};  // not due
          break;
        case 10:
          v.repeat_every = 0;  // never repeats
          break;
        default:
          break;
      }
      verdicts.push_back(v);
    }
    SCOPED_TRACE(static_cast<int>(unit));
    EXPECT_EQ(files_opened_each_day(times.size(), times, unit, verdicts, first),
              judged_day_by_day(times.size(), times, unit, verdicts, first));
    // Without a unit nothing repeats.
    EXPECT_EQ(files_opened_each_day(times.size(), times, std::nullopt, verdicts, first),
              std::vector<size_t>(verdicts.size(), 0));
  }
}

}  // namespace
}  // namespace mj::opener
