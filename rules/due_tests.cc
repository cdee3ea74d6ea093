// SPDX-License-Identifier: MIT
#include "rules/due_tests.h"

#include <algorithm>
#include <limits>
#include <string>

#include "rules/failure_error.h"
#include "rules/numbers.h"

namespace mj {

namespace {

constexpr date kFirstSupportedDay = std::chrono::year{100} / std::chrono::January / 1;
constexpr date kLastSupportedDay = std::chrono::year{9999} / std::chrono::December / 31;

// The forms that point at a day other than a full date, when they match any
// day at all, match one within any kLongestGap consecutive days: 29 February
// may skip eight years, around a year divisible by 100 but not by 400.
constexpr long long kLongestGap = 8 * 366;

// The largest count of days a name can give: its numbers are 16-bit.
constexpr long long kLargestDayCount = std::numeric_limits<int16_t>::max();

// A margin of two months around the days of a run, for the month ends a
// month-end form counts from.
constexpr long long kMonthEndMargin = 62;

// What a form that points at a day looks for on each day of the window. The
// numbers and dates of the name are read once, on the first day: they are the
// same for every day, and a failure there ends the test before any match.
struct day_matcher {
  enum class form { weekday, full_date, month_day, month_end_of_each_month, day_of_month };
  form kind = form::day_of_month;
  int16_t weekday = 0;
  int16_t week = 0;
  date target{};
  int16_t month = 0;
  int16_t day = 0;
  int16_t end_count = 0;

  bool operator==(const day_matcher&) const = default;
};

day_matcher read_day_form(const std::string& rule_name, int16_t week,
                          const run_calendar& calendar) {
  day_matcher m;
  if (const auto w = match_weekday(rule_name)) {
    m.kind = day_matcher::form::weekday;
    m.weekday = *w;
    m.week = week;
    return m;
  }
  const day_form_marks marks = find_day_form_marks(rule_name);
  const int near_year = year_number(calendar.today);
  if (marks.has_dash()) {
    if (marks.has_second_dash()) {
      m.kind = day_matcher::form::full_date;
      m.target = marks.has_e() ? month_end_with_year_target(rule_name, marks, near_year)
                               : full_date_target(rule_name, marks, near_year);
    } else if (marks.has_e()) {
      m.kind = day_matcher::form::full_date;
      m.target = month_end_with_month_target(rule_name, marks, calendar.year_start);
    } else {
      m.kind = day_matcher::form::month_day;
      m.month = leading_number(year_part(rule_name, marks));
      m.day = leading_number(month_part(rule_name, marks));
    }
  } else if (marks.has_e()) {
    m.kind = day_matcher::form::month_end_of_each_month;
    m.end_count = end_count(rule_name, marks);
  } else {
    m.kind = day_matcher::form::day_of_month;
    m.day = leading_number(rule_name);
  }
  return m;
}

bool matches(const day_matcher& m, date d) {
  switch (m.kind) {
    case day_matcher::form::weekday:
      if (weekday_number(d) != m.weekday) return false;
      return m.week == 0 || week_of_month(static_cast<int16_t>(day_number(d))) == m.week;
    case day_matcher::form::full_date:
      return d == m.target;
    case day_matcher::form::month_day:
      return month_number(d) == m.month && day_number(d) == m.day;
    case day_matcher::form::month_end_of_each_month: {
      // The end of d's own month, so a window across a month boundary checks
      // the end of each month it touches. Before the last supported year the
      // month after d's is always there: its end is read off the calendar.
      const std::chrono::year_month_day ymd{d};
      if (ymd.year() < std::chrono::year{9999})
        return d == add_days(std::chrono::sys_days{ymd.year() / ymd.month() / std::chrono::last},
                             -m.end_count);
      const date month_start = add_days(d, 1 - day_number(d));
      const date last = add_days(add_months(month_start, 1), -1);
      return d == add_days(last, -m.end_count);
    }
    case day_matcher::form::day_of_month:
      return day_number(d) == m.day;
  }
  return false;
}

void test_window(const schedule_name& name, due_verdict& v, const run_calendar& calendar) {
  // The day counter is a signed 16-bit number: a window of 32768 days cannot
  // be counted, and one of 32767 days overflows on the step after its last day.
  const int16_t day_count = checked_add(name.window_days, 1);
  if (day_count < 1) return;
  const day_matcher matcher = read_day_form(name.rule, name.week_of_month, calendar);
  // The days of the window, today first, within the supported years: the
  // first day before them ends the test below, as counting back to it does.
  const date today = calendar.today;
  const long long reachable =
      std::min<long long>(day_count, (today - kFirstSupportedDay).count() + 1);
  if (matcher.kind == day_matcher::form::full_date) {
    // One day: within the window or not.
    if (matcher.target <= today && matcher.target > today - std::chrono::days{reachable})
      v.kind = due_kind::all_files;
  } else {
    // Looking further than kLongestGap days finds nothing new, and a match
    // found ends the look.
    const long long looked = std::min(reachable, kLongestGap);
    for (long long i = 0; i < looked && v.kind != due_kind::all_files; ++i)
      if (matches(matcher, add_days(today, -i))) v.kind = due_kind::all_files;
  }
  if (reachable < day_count) add_days(today, -reachable);  // fails: before the year 100
  if (day_count == kLargestDayCount)
    fail(failure_code::overflow, "a window of 32767 days is more than the day counter can count");
}

// The forms that point at a day: whether their day has come in this cycle.
bool day_has_come(const std::string& rule_name, const run_calendar& calendar) {
  const date today = calendar.today;
  const day_form_marks marks = find_day_form_marks(rule_name);
  const int near_year = year_number(today);

  if (!marks.has_dash()) {
    if (!marks.has_e()) return leading_number(rule_name) <= day_number(today);
    const int16_t k = end_count(rule_name, marks);
    return add_days(calendar.month_end, -(1 + static_cast<long long>(k))) < today;
  }
  if (!marks.has_second_dash()) {
    if (marks.has_e()) {
      const date target = month_end_with_month_target(rule_name, marks, calendar.year_start);
      return target <= today && today <= calendar.year_end;
    }
    const int16_t m = leading_number(year_part(rule_name, marks));
    const int16_t dd = leading_number(month_part(rule_name, marks));
    // Out-of-range months and days roll over: month 13 is January of next year.
    const date target =
        add_days(add_months(calendar.year_start, checked_sub(m, 1)), checked_sub(dd, 1));
    return target <= today && today <= calendar.year_end;
  }
  const date target = marks.has_e() ? month_end_with_year_target(rule_name, marks, near_year)
                                    : full_date_target(rule_name, marks, near_year);
  return target <= today;
}

// The age forms ("YEAR1", "MONTH2=5", "DAY10-"), `n` units of `unit`: the
// due-on-day test selects the files that reached that age within the window
// ending today, the due-from-day-on test every file at least that old.
void judge_age(const schedule_name& name, due_test test, date_unit unit, int16_t n, date today,
               due_verdict& v) {
  // The kind is set first: a failure below leaves it, as the failure ends
  // the test with what it had found.
  if (test == due_test::from_day_on) {
    v.kind = due_kind::files_up_to;
    v.from = add_to_date(today, unit, -static_cast<long long>(n));
    return;
  }
  v.kind = name.days <= 0 ? due_kind::files_up_to : due_kind::files_within;
  const date to = add_to_date(today, unit, -static_cast<long long>(n));
  const date from = name.days <= 0 ? to : add_days(to, -name.window_days);
  v.to = to;
  v.from = from;
}

void judge_on_day(const schedule_name& name, due_verdict& v, const run_calendar& calendar) {
  const date today = calendar.today;
  const std::string& rule = name.rule;

  if (rule == kNextDayName) {
    v.kind = due_kind::files_within;
    const date to = add_days(today, -1);
    const date from = add_days(to, -name.window_days);
    v.to = to;
    v.from = from;
    return;
  }

  if (const auto repeating = match_repeating(rule)) {
    // Everything is read before anything is written, so a step that cannot be
    // read leaves the folder not due rather than repeating by nothing.
    int16_t step = number_after(rule, repeating->text);
    if (step < 1) step = 1;
    const date from = add_days(today, -name.window_days);
    v.kind = due_kind::repeating;
    v.to = today;
    v.from = from;
    v.repeat_every = step;
    return;
  }

  if (const auto age = match_age(rule)) {
    judge_age(name, due_test::on_day, age->unit, number_after(rule, age->text), today, v);
    return;
  }

  test_window(name, v, calendar);
}

void judge_from_day_on(const schedule_name& name, due_verdict& v, const run_calendar& calendar) {
  const date today = calendar.today;
  const std::string& rule = name.rule;

  if (rule == kNextDayName) {
    v.kind = due_kind::files_up_to;
    v.from = add_days(today, -1);
    return;
  }

  if (const auto age = match_age(rule)) {
    judge_age(name, due_test::from_day_on, age->unit, number_after(rule, age->text), today, v);
    return;
  }

  if (const auto weekday = match_weekday(rule)) {
    // A weekday without "@" has no day in the month to stay due from.
    if (name.week_of_month == 0) {
      v.kind = due_kind::not_due;
      return;
    }
    const date month_start = add_days(today, 1 - day_number(today));
    if (nth_weekday_from(month_start, *weekday, name.week_of_month) <= today)
      v.kind = due_kind::all_files;
    return;
  }

  if (day_has_come(rule, calendar)) v.kind = due_kind::all_files;
}

template <typename Judge>
due_verdict judged(Judge judge, const schedule_name& name, const run_calendar& calendar) {
  due_verdict v;
  v.ended_by = failure_of([&] { judge(name, v, calendar); });
  return v;
}

}  // namespace

due_verdict due_on_day(const schedule_name& name, const run_calendar& calendar) {
  return judged(judge_on_day, name, calendar);
}

due_verdict due_from_day_on(const schedule_name& name, const run_calendar& calendar) {
  return judged(judge_from_day_on, name, calendar);
}

due_verdict due_on_run(const schedule_name& name, const run_calendar& calendar) {
  return name.stays_due ? due_from_day_on(name, calendar) : due_on_day(name, calendar);
}

folder_evaluation evaluate_folder(std::string_view folder_name, long long missed_days,
                                  const run_calendar& calendar) {
  folder_evaluation e;
  e.name = split_schedule_name(folder_name, missed_days, e.failures);
  e.test = e.name.stays_due ? due_test::from_day_on : due_test::on_day;
  e.verdict = due_on_run(e.name, calendar);
  if (e.verdict.ended_by) e.failures.push_back(*e.verdict.ended_by);
  return e;
}

namespace {

// Whether no day's test of a form that points at a day, on a run from
// `first` to `last`, meets the ends of the supported years: every window (of
// at most 32767 days), and the month ends a month-end form counts back from
// (at most 32767 days from a month's end), lie within them.
bool days_clear_of_the_ends(const schedule_name& name, date first, date last) {
  const long long reach =
      std::max<long long>(name.window_days, 0) + kLargestDayCount + kMonthEndMargin;
  return first - std::chrono::days{reach} >= kFirstSupportedDay &&
         last + std::chrono::days{kMonthEndMargin} <= kLastSupportedDay;
}

// Whether `name` points at days of the calendar: no "TOMORROW", no
// repeating or age form, no final "-".
bool points_at_a_day(const schedule_name& name) {
  const std::string& rule = name.rule;
  return !name.stays_due && rule != kNextDayName && !match_repeating(rule) && !match_age(rule);
}

}  // namespace

bool same_verdict_every_day(const schedule_name& name, date first, date last) {
  if (!points_at_a_day(name)) return false;
  const std::string& rule = name.rule;
  // A full date is read near the year of the run: its day can move.
  const day_form_marks marks = find_day_form_marks(rule);
  if (!match_weekday(rule) && marks.has_dash() && (marks.has_second_dash() || marks.has_e()))
    return false;
  // Every window holds a whole stretch of kLongestGap days, so each holds a
  // match when the form has any: the same verdict on every day.
  if (name.window_days + 1LL < kLongestGap) return false;
  // And no day's test meets the ends of the supported years.
  return days_clear_of_the_ends(name, first, last);
}

bool names_no_day(const schedule_name& name, date from) {
  const std::string& rule = name.rule;
  if (rule == kNextDayName || match_repeating(rule) || match_age(rule)) return false;
  bool none = false;
  const std::optional<failure> failed = failure_of([&] {
    const day_matcher matcher = read_day_form(rule, name.week_of_month, make_run_calendar(from));
    if (matcher.kind == day_matcher::form::full_date) return;
    for (long long i = 0; i < kLongestGap; ++i)
      if (matches(matcher, add_days(from, i))) return;
    none = true;
  });
  return none && !failed;
}

struct verdicts_over_days::form_reading {
  day_matcher matcher;
};

namespace {

// Whether the verdict of `name` on each day is that of another day moved by
// the days between them: "TOMORROW", the repeating forms without the final
// "-" and the age forms counted in days or weeks look back a fixed number of
// days from the day of the run. The due-from-day-on test sets no `to`.
bool moves_with_the_day(const schedule_name& name) {
  const std::string& rule = name.rule;
  if (rule == kNextDayName) return true;
  if (match_repeating(rule)) return !name.stays_due;
  const auto age = match_age(rule);
  return age && (age->unit == date_unit::days || age->unit == date_unit::weeks);
}

due_verdict moved(due_verdict v, std::chrono::days by, bool moves_to) {
  v.from += by;
  if (moves_to) v.to += by;
  return v;
}

// The kind and days of `v`, its failure left out.
due_verdict without_failure(const due_verdict& v) {
  due_verdict kept;
  kept.kind = v.kind;
  kept.from = v.from;
  kept.to = v.to;
  kept.repeat_every = v.repeat_every;
  return kept;
}

bool same_verdict(const due_verdict& a, const due_verdict& b) {
  return a.kind == b.kind && a.from == b.from && a.to == b.to && a.repeat_every == b.repeat_every;
}

}  // namespace

verdicts_over_days::verdicts_over_days(const schedule_name& name, date first, date last)
    : name_(name), first_(first), last_(last) {
  if (same_verdict_every_day(name, first, last)) {
    way_ = way::same_every_day;
    same_ = due_on_run(name, make_run_calendar(first));
    same_.ended_by.reset();
    return;
  }
  if (moves_with_the_day(name)) {
    // A day's test fails when a day it looks back to leaves the supported
    // years; those days only grow with the day of the run, so when neither
    // the first nor the last day fails, none between does.
    same_ = due_on_run(name, make_run_calendar(first));
    const due_verdict on_last = due_on_run(name, make_run_calendar(last));
    if (!same_.ended_by && !on_last.ended_by &&
        same_verdict(moved(same_, last - first, !name.stays_due), on_last))
      way_ = way::moving;
    return;
  }
  const auto age = match_age(name.rule);
  // The due-on-day test reads a repeating form before an age form.
  if (age && (name.stays_due || !match_repeating(name.rule))) {
    // The age forms counted in months or years: each day's verdict counts
    // back from the day itself, with the number read once. As above, the
    // days counted back to only grow with the day of the run.
    const due_verdict on_first = due_on_run(name, make_run_calendar(first));
    const due_verdict on_last = due_on_run(name, make_run_calendar(last));
    if (on_first.ended_by || on_last.ended_by ||
        failure_of([&] { age_count_ = number_after(name.rule, age->text); }))
      return;
    age_unit_ = age->unit;
    way_ = way::counted_back;
    // The counting back must give the test's own verdicts; else each day is
    // judged in full.
    if (!same_verdict(on(first), on_first) || !same_verdict(on(last), on_last))
      way_ = way::each_day;
    return;
  }
  if (!points_at_a_day(name) || !days_clear_of_the_ends(name, first, last)) return;
  // The day count of the window fails or not whatever the day.
  if (failure_of([&] { day_count_ = checked_add(name.window_days, 1); })) return;
  way_ = way::window_sweep;
}

due_verdict verdicts_over_days::on(date day) {
  switch (way_) {
    case way::same_every_day:
      return same_;
    case way::moving:
      return moved(same_, day - first_, !name_.stays_due);
    case way::counted_back: {
      due_verdict v;
      if (!failure_of([&] { v = counted_back(day); })) return v;
      way_ = way::each_day;
      break;
    }
    case way::window_sweep: {
      due_verdict v;
      // A day of the form that the arithmetic cannot reach (a month end
      // counted back past the supported years) is left to the test itself.
      if (!failure_of([&] { v.kind = swept(day); })) return v;
      way_ = way::each_day;
      break;
    }
    case way::each_day:
      break;
  }
  return without_failure(due_on_run(name_, make_run_calendar(day)));
}

void verdicts_over_days::fill(std::vector<day_verdict>& out) {
  const size_t count = static_cast<size_t>((last_ - first_).count()) + 1;
  out.assign(count, day_verdict{});
  const auto day_at = [&](size_t i) {
    return first_ + std::chrono::days{static_cast<long long>(i)};
  };
  switch (way_) {
    case way::same_every_day:
      std::fill(out.begin(), out.end(), day_verdict(same_));
      return;
    case way::moving: {
      const day_verdict base(same_);
      const bool moves_to = !name_.stays_due;
      for (size_t i = 0; i < count; ++i) {
        const std::chrono::days by{static_cast<long long>(i)};
        out[i] = base;
        out[i].from += by;
        if (moves_to) out[i].to += by;
      }
      return;
    }
    case way::window_sweep: {
      size_t i = 0;
      if (!failure_of([&] {
            for (; i < count; ++i) out[i].kind = swept(day_at(i));
          }))
        return;
      // As on(): from the day whose sweep failed on, the days are judged in full.
      way_ = way::each_day;
      for (; i < count; ++i) out[i] = day_verdict(on(day_at(i)));
      return;
    }
    case way::counted_back:
    case way::each_day:
      for (size_t i = 0; i < count; ++i) out[i] = day_verdict(on(day_at(i)));
      return;
  }
}

// As the age test judges the day, with the form read once.
due_verdict verdicts_over_days::counted_back(date day) const {
  due_verdict v;
  judge_age(name_, name_.stays_due ? due_test::from_day_on : due_test::on_day, age_unit_,
            age_count_, day, v);
  return v;
}

// As test_window judges the day, with the window's days looked at once each.
due_kind verdicts_over_days::swept(date day) {
  if (day_count_ < 1) return due_kind::not_due;
  // The form is read with the run's year: once a year, the days asked for
  // being in ascending order.
  if (!reading_ || day > read_year_end_) {
    const int year = year_number(day);
    const run_calendar calendar = make_run_calendar(day);
    auto reading = std::make_shared<form_reading>();
    read_failed_ = failure_of([&] {
                     reading->matcher = read_day_form(name_.rule, name_.week_of_month, calendar);
                   }).has_value();
    read_year_end_ = std::chrono::sys_days{std::chrono::year{year} / std::chrono::December / 31};
    // A form read differently restarts the look at the days.
    if (!reading_ || !(reading_->matcher == reading->matcher)) {
      swept_to_.reset();
      last_match_.reset();
    }
    reading_ = std::move(reading);
  }
  if (read_failed_) return due_kind::not_due;
  const day_matcher& matcher = reading_->matcher;
  if (matcher.kind == day_matcher::form::full_date)
    return matcher.target <= day && matcher.target > day - std::chrono::days{day_count_}
               ? due_kind::all_files
               : due_kind::not_due;
  // Looking further than kLongestGap days finds nothing new.
  const long long looked = std::min<long long>(day_count_, kLongestGap);
  if (!swept_to_) {
    // The latest day of the form within the first day's window.
    for (long long i = 0; i < looked; ++i)
      if (matches(matcher, day - std::chrono::days{i})) {
        last_match_ = day - std::chrono::days{i};
        break;
      }
  } else {
    for (date d = *swept_to_ + std::chrono::days{1}; d <= day; d += std::chrono::days{1})
      if (matches(matcher, d)) last_match_ = d;
  }
  swept_to_ = day;
  return last_match_ && *last_match_ > day - std::chrono::days{looked} ? due_kind::all_files
                                                                       : due_kind::not_due;
}

std::optional<std::pair<date, failure>> verdicts_over_days::first_failure() const {
  const auto failure_on = [&](date d) { return due_on_run(name_, make_run_calendar(d)).ended_by; };
  // Neither the first day nor the last fails, so none between does.
  if (way_ == way::moving || way_ == way::counted_back) return std::nullopt;
  if (way_ == way::same_every_day) {
    if (const std::optional<failure> f = failure_on(first_)) return std::pair{first_, *f};
    return std::nullopt;
  }
  // A test fails on a day when a day it reaches leaves the supported years,
  // and those days move on with the day of the run: from a day that does not
  // fail to one that does, the failing days come last. A name read with the
  // run's year fails or not for the whole year. So the days looked at are
  // the first, each 1 January and the last; between the last that does not
  // fail and the first that does, the first failing day is found by halving.
  std::vector<date> probes{first_};
  for (date d = first_;;) {
    const std::chrono::year_month_day ymd{d};
    const date next_year =
        std::chrono::sys_days{(ymd.year() + std::chrono::years{1}) / std::chrono::January / 1};
    if (next_year > last_) break;
    probes.push_back(next_year);
    d = next_year;
  }
  if (probes.back() != last_) probes.push_back(last_);
  date clear = first_;
  for (size_t i = 0; i < probes.size(); ++i) {
    std::optional<failure> f = failure_on(probes[i]);
    if (!f) {
      clear = probes[i];
      continue;
    }
    if (i == 0) return std::pair{probes[i], *f};
    date low = clear + std::chrono::days{1};  // the first failing day is within low..high
    date high = probes[i];
    while (low < high) {
      const date middle = low + (high - low) / 2;
      if (failure_on(middle))
        high = middle;
      else
        low = middle + std::chrono::days{1};
    }
    if (high != probes[i]) f = failure_on(high);
    return std::pair{high, *f};
  }
  return std::nullopt;
}

std::optional<date_unit> repeat_unit_of(std::string_view rule) {
  if (const auto repeating = match_repeating(rule)) return repeating->unit;
  return std::nullopt;
}

}  // namespace mj
