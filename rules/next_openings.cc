// SPDX-License-Identifier: MIT
#include "rules/next_openings.h"

#include <algorithm>

#include "rules/calendar.h"
#include "rules/due_files.h"
#include "rules/due_tests.h"
#include "rules/failure_error.h"

namespace mj {

namespace {

using namespace std::chrono;

// Days past the forecast checked before a streak of openings that reaches its
// end counts as "every run": longer than any cycle of the names but 100 years.
constexpr int kStreakCheckDays = 400;

due_verdict verdict_on_day(const schedule_name& name, date day) {
  return due_on_run(name, make_run_calendar(day));
}

// One folder judged day after day, as daily runs without missed days judge
// it: the name is split once, since its window then does not depend on the
// day.
class daily_runs {
 public:
  daily_runs(std::string_view folder_name, wall_time stored_at)
      : root_(folder_name.empty()), stored_at_(stored_at) {
    std::vector<failure> ignored;  // the first day's evaluation reports them
    name_ = split_schedule_name(folder_name, 0, ignored);
    unit_ = repeat_unit_of(name_.rule);
    const std::string& r = name_.rule;
    day_form_ = !name_.stays_due && r != kNextDayName && !match_repeating(r) && !match_age(r);
  }

  // Whether the file opens at the run on `day`.
  bool opens_on(date day) {
    if (root_) return true;
    if (day_form_ && name_.window_days > 0) return window_holds_match(day);
    if (never_) return false;
    if (skip_until_ && day < *skip_until_) return false;
    const due_verdict v = verdict_on_day(name_, day);
    if (v.ended_by && v.kind == due_kind::not_due) remember_failure(*v.ended_by, day);
    if (v.kind == due_kind::repeating && (!unit_ || v.repeat_every < 1)) return false;
    return file_is_due(v, unit_, stored_at_, day);
  }

 private:
  // A failure that is the same on every day saves judging the next ones: a
  // number that overflows is read the same way every day, and a date that
  // does not exist stays so for the rest of the year it was read in.
  void remember_failure(const failure& f, date day) {
    if (f.code == failure_code::overflow) never_ = true;
    if (f.code == failure_code::type_mismatch)
      skip_until_ = date{(year_month_day{day}.year() + years{1}) / January / 1};
  }

  // A form that points at a day is due when its day falls within the window
  // ending today: judge each day once with a window of one day, then look
  // back over the window, instead of walking the whole window every day.
  bool window_holds_match(date day) {
    if (name_.window_days >= 32767) return false;  // the day counter cannot count it
    const long long window = name_.window_days + 1LL;
    if (matches_.empty()) {
      matches_start_ = day - days{window - 1};
      single_day_ = name_;
      single_day_.window_days = 0;
    }
    const date wanted_end = day;
    while (matches_start_ + days{static_cast<long long>(matches_.size())} <= wanted_end) {
      const date d = matches_start_ + days{static_cast<long long>(matches_.size())};
      bool match = false;
      if (!(never_ || (skip_until_ && d < *skip_until_))) {
        const due_verdict v = verdict_on_day(single_day_, d);
        if (v.ended_by && v.kind == due_kind::not_due) remember_failure(*v.ended_by, d);
        match = v.kind == due_kind::all_files;
      }
      matches_.push_back(match);
      if (match) last_match_ = d;
    }
    return last_match_ && *last_match_ > day - days{window};
  }

  bool root_;
  wall_time stored_at_;
  schedule_name name_;
  std::optional<date_unit> unit_;
  bool day_form_ = false;
  bool never_ = false;
  std::optional<date> skip_until_;
  // The window sweep: one entry per day from `matches_start_` on.
  schedule_name single_day_;
  date matches_start_{};
  std::vector<bool> matches_;
  std::optional<date> last_match_;
};

date forecast_end(date first) {
  year_month_day end = year_month_day{first} + years{kForecastYears};
  // Near the end of the supported years the forecast ends with them.
  if (end.year() > year{9999}) return date{year{9999} / December / 31};
  if (!end.ok()) end = end.year() / end.month() / last;
  return date{end};
}

// Files up to a day ("YEAR1", "TOMORROW-"): that day only moves on with the
// day of the run, so the last run of the forecast takes every file that an
// earlier run takes, and a file stored now before one stored later.
bool up_to_opens(const due_verdict& at_end, date last, std::span<const wall_time> times,
                 wall_time now) {
  if (file_is_due(at_end, std::nullopt, now, last)) return true;
  return !times.empty() && file_is_due(at_end, std::nullopt, times.front(), last);
}

// Whether a run whose days reach the day of `t` takes it. Both ends of the
// days move on with the day of the run, but not always by one: a month back
// from 29, 30 and 31 March is 28 February, and in a common year 29 to 31
// January are no run's. So the first run whose days end on or after that day is found by
// halving, then the runs after it are judged until their days begin after it.
bool a_run_takes(const schedule_name& name, wall_time t, date first, date last) {
  const date t_day = floor<days>(t);
  date low = first;
  date high = last;
  while (low < high) {
    const date middle = low + (high - low) / 2;
    const due_verdict v = verdict_on_day(name, middle);
    if (v.kind == due_kind::files_within && v.to >= t_day)
      high = middle;
    else
      low = middle + days{1};
  }
  for (date d = low; d <= last; d += days{1}) {
    const due_verdict v = verdict_on_day(name, d);
    if (v.kind != due_kind::files_within || v.from > t_day) return false;
    if (file_is_due(v, std::nullopt, t, d)) return true;
  }
  return false;
}

// Files within a range of days ("TOMORROW", "MONTH6=3").
bool within_opens(const schedule_name& name, const due_verdict& at_end, date today, date last,
                  std::span<const wall_time> times, wall_time now) {
  // "=0" and below leave the range empty at every run.
  if (at_end.from > at_end.to) return false;
  // A file stored from now on, on a day that the last run takes.
  const wall_time stored = std::max(now, wall_time{at_end.from});
  if (floor<days>(stored) <= last && file_is_due(at_end, std::nullopt, stored, last)) return true;
  // Files older than the first run's days are taken by no later run.
  const due_verdict at_start = verdict_on_day(name, today);
  auto it = times.begin();
  if (at_start.kind == due_kind::files_within)
    it = std::lower_bound(times.begin(), times.end(), wall_time{at_start.from});
  for (; it != times.end() && floor<days>(*it) <= at_end.to; ++it)
    if (a_run_takes(name, *it, today, last)) return true;
  return false;
}

// Files that repeat ("EVERY MONTH"): the days of a run end on the day of the
// run, so the run on the day of a file's first repetition from today on takes
// it; a file stored later than now repeats no earlier than one stored now.
bool repeating_opens(const schedule_name& name, const due_verdict& at_end, date today, date last,
                     std::span<const wall_time> times, wall_time now) {
  const std::optional<date_unit> unit = repeat_unit_of(name.rule);
  if (!unit || at_end.repeat_every < 1 || at_end.from > at_end.to) return false;
  const auto taken = [&](wall_time t) {
    const std::optional<wall_time> r = first_repetition_from(t, *unit, at_end.repeat_every, today);
    if (!r) return false;
    const date day = floor<days>(*r);
    return day <= last && file_is_due(verdict_on_day(name, day), unit, t, day);
  };
  return taken(now) || std::any_of(times.begin(), times.end(), taken);
}

// A test that ended, not due, with a number of the name that overflows ends
// so on every day: the name's numbers are read the same way every day. (The
// day counter of the widest window also overflows, but only after its look,
// and no window judged here is that wide.)
bool read_the_same_every_day(const due_verdict& v) {
  return v.kind == due_kind::not_due && v.ended_by && v.ended_by->code == failure_code::overflow;
}

// Names that open the whole folder on their days ("12-25", "SUNDAY@2", "E3"),
// judged by the due-on-day test. A run after missed days looks back over them
// all, as "+" makes it; a day form reads its day with the run's year (one-
// and two-digit years, "2-E"), so one such run per calendar year covers
// every run of that year.
bool due_on_a_day_within(const schedule_name& name, date first, date last) {
  if (name.window_days < 0) return false;  // "=0": no day to be due on
  if (names_no_day(name, first)) return false;
  // The widest window whose day count the due test can still count.
  constexpr long long kWidestWindow = 32765;
  for (date start = first; start <= last;) {
    const date end = std::min(date{year_month_day{start}.year() / December / 31}, last);
    const long long span = (end - start).count();
    if (name.window_days + span <= kWidestWindow) {
      schedule_name catching_up = name;
      catching_up.window_days = static_cast<int16_t>(name.window_days + span);
      const due_verdict v = due_on_day(catching_up, make_run_calendar(end));
      if (v.kind == due_kind::all_files) return true;
      if (read_the_same_every_day(v)) return false;
    } else {
      // A window longer than the year: the runs on its first and last day
      // between them look back over every day the others do.
      for (const date d : {start, end})
        if (due_on_day(name, make_run_calendar(d)).kind == due_kind::all_files) return true;
    }
    start = end + days{1};
  }
  return false;
}

// Names with the final "-" that open the whole folder: due from their day to
// the end of its cycle (a month, a year, or for ever), so a month with a due
// day is due on its last day.
bool due_from_a_day_within(const schedule_name& name, date first, date last) {
  for (date d = first;; d += days{1}) {
    const year_month_day ymd{d};
    d = std::min(date{ymd.year() / ymd.month() / std::chrono::last}, last);
    const due_verdict v = due_from_day_on(name, make_run_calendar(d));
    if (v.kind == due_kind::all_files) return true;
    if (d == last || read_the_same_every_day(v)) return false;
    // A date that does not exist stays so for the rest of its year.
    if (v.ended_by && v.ended_by->code == failure_code::type_mismatch)
      d = std::min(date{ymd.year() / December / 31}, last);
    if (d == last) return false;
  }
}

}  // namespace

date first_day_with_a_run(date today, std::optional<date> served_through) {
  return served_through && *served_through >= today ? today + days{1} : today;
}

opening_forecast forecast_openings(std::string_view folder_name, wall_time stored_at, int count,
                                   std::optional<date> first_run) {
  opening_forecast forecast;
  const date stored_on = floor<days>(stored_at);
  const date first = std::max(stored_on, first_run.value_or(stored_on));
  const date last = forecast_end(stored_on);
  if (!folder_name.empty())
    forecast.failures = evaluate_folder(folder_name, 0, make_run_calendar(first)).failures;

  // Judged in order of days, so that the window sweep only moves forward.
  daily_runs runs(folder_name, stored_at);
  std::optional<date> streak_start;
  for (date d = first; d <= last; d += days{1}) {
    const bool opens = runs.opens_on(d);
    if (!opens) streak_start.reset();
    if (opens && !streak_start) streak_start = d;
    if (opens && static_cast<int>(forecast.openings.size()) < count) forecast.openings.push_back(d);
  }
  // A streak that reaches the end counts only if it goes on past it.
  for (date d = last + days{1}; streak_start && d <= last + days{kStreakCheckDays}; d += days{1})
    if (!in_supported_range(d) || !runs.opens_on(d)) streak_start.reset();
  if (streak_start) {
    forecast.every_run_from = streak_start;
    std::erase_if(forecast.openings, [&](date d) { return d > *streak_start; });
  }
  return forecast;
}

bool opens_within_forecast(std::string_view folder_name, std::span<const wall_time> file_times,
                           wall_time now) {
  if (folder_name.empty()) return true;  // the capsule root's files open at every run
  const date today = floor<days>(now);
  const date last = forecast_end(today);
  std::vector<failure> ignored;  // the daily evaluation reports them
  const schedule_name name = split_schedule_name(folder_name, 0, ignored);
  // The kind of verdict follows from the name's form: "TOMORROW", the
  // repeating and the age forms select files at every run; a day form takes
  // the whole folder or nothing, and so does a name that cannot be read.
  const due_verdict at_end = verdict_on_day(name, last);
  switch (at_end.kind) {
    case due_kind::all_files:
      return true;
    case due_kind::files_up_to:
      return up_to_opens(at_end, last, file_times, now);
    case due_kind::files_within:
      return within_opens(name, at_end, today, last, file_times, now);
    case due_kind::repeating:
      return repeating_opens(name, at_end, today, last, file_times, now);
    case due_kind::not_due:
      break;
  }
  return name.stays_due ? due_from_a_day_within(name, today, last)
                        : due_on_a_day_within(name, today, last);
}

}  // namespace mj
