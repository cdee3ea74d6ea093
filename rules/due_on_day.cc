#include "rules/due_on_day.h"

#include <limits>

#include "rules/failure.h"
#include "rules/numbers.h"
#include "rules/rule_forms.h"
#include "rules/week_of_month.h"

namespace mj {

namespace {

// What a form that points at a day looks for on each day of the window. The
// numbers and dates of the name are read once, on the first day: they are the
// same for every day, and a failure there ends the test before any match.
struct day_matcher {
  enum class form { weekday, full_date, month_day, month_end_of_each_month, day_of_month };
  form kind = form::day_of_month;
  int16_t weekday = 0;
  int16_t mweek = 0;
  date target{};
  int16_t month = 0;
  int16_t day = 0;
  int16_t end_count = 0;
};

day_matcher read_day_form(const std::string& rule_name, int16_t mweek,
                          const run_calendar& calendar) {
  day_matcher m;
  if (const auto w = match_weekday(rule_name)) {
    m.kind = day_matcher::form::weekday;
    m.weekday = *w;
    m.mweek = mweek;
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
      return m.mweek == 0 || calc_monthweek(static_cast<int16_t>(day_number(d))) == m.mweek;
    case day_matcher::form::full_date:
      return d == m.target;
    case day_matcher::form::month_day:
      return month_number(d) == m.month && day_number(d) == m.day;
    case day_matcher::form::month_end_of_each_month: {
      // The end of d's own month, so a window across a month boundary checks
      // the end of each month it touches.
      const date month_start = add_days(d, 1 - day_number(d));
      const date last = add_days(add_months(month_start, 1), -1);
      return d == add_days(last, -m.end_count);
    }
    case day_matcher::form::day_of_month:
      return day_number(d) == m.day;
  }
  return false;
}

void test_window(const std::string& rule_name, int16_t period2, int16_t mweek, int16_t& flag,
                 const run_calendar& calendar) {
  // The day counter is a signed 16-bit number: a window of 32768 days cannot
  // be counted, and one of 32767 days overflows on the step after its last day.
  const int16_t day_count = checked_add(period2, 1);
  if (day_count < 1) return;
  const day_matcher matcher = read_day_form(rule_name, mweek, calendar);
  for (int i = 1; i <= day_count; ++i) {
    const date d = add_days(calendar.today, -(i - 1));
    if (matches(matcher, d)) flag = 1;
  }
  if (day_count == std::numeric_limits<int16_t>::max())
    fail(kOverflow, "the window of 32767 days ran past the day counter");
}

}  // namespace

void dir_name_chk_just(const std::string& dir_name, const int16_t& period, const int16_t& period2,
                       const int16_t& mweek, date& time_stamp, date& time_stamp_to, int16_t& flag,
                       int16_t& interval, const run_calendar& calendar) {
  const date today = calendar.today;

  if (dir_name == kNextDayName) {
    flag = 4;
    const date to = add_days(today, -1);
    const date from = add_days(to, -period2);
    time_stamp_to = to;
    time_stamp = from;
    return;
  }

  if (const auto repeating = match_repeating(dir_name)) {
    // Everything is read before anything is written, so a step that cannot be
    // read leaves the folder not due rather than repeating by nothing.
    int16_t step = number_after(dir_name, repeating->text);
    if (step < 1) step = 1;
    const date from = add_days(today, -period2);
    flag = 3;
    time_stamp_to = today;
    time_stamp = from;
    interval = step;
    return;
  }

  if (const auto age = match_age(dir_name)) {
    const int16_t n = number_after(dir_name, age->text);
    flag = period <= 0 ? 2 : 4;
    const date to = add_to_date(today, age->unit, -static_cast<long long>(n));
    const date from = period <= 0 ? to : add_days(to, -period2);
    time_stamp_to = to;
    time_stamp = from;
    return;
  }

  test_window(dir_name, period2, mweek, flag, calendar);
}

}  // namespace mj
