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
    const due_verdict v = verdict_on(name_, day);
    if (v.ended_by && v.kind == due_kind::not_due) remember_failure(*v.ended_by, day);
    if (v.kind == due_kind::repeating && (!unit_ || v.repeat_every < 1)) return false;
    return file_is_due(v, unit_, stored_at_, day);
  }

 private:
  static due_verdict verdict_on(const schedule_name& name, date day) {
    const run_calendar calendar = make_run_calendar(day);
    return name.stays_due ? due_from_day_on(name, calendar) : due_on_day(name, calendar);
  }

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
        const due_verdict v = verdict_on(single_day_, d);
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

}  // namespace

opening_forecast forecast_openings(std::string_view folder_name, wall_time stored_at, int count) {
  opening_forecast forecast;
  const date first = floor<days>(stored_at);
  const date last = forecast_end(first);
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

}  // namespace mj
