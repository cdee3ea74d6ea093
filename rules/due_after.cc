#include "rules/due_after.h"

#include "rules/numbers.h"
#include "rules/rule_forms.h"
#include "rules/week_of_month.h"

namespace mj {

namespace {

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

}  // namespace

void dir_name_chk_after(const std::string& dir_name, const int16_t& /*period*/,
                        const int16_t& /*period2*/, const int16_t& mweek, date& time_stamp,
                        date& /*time_stamp_to*/, int16_t& flag, int16_t& /*interval*/,
                        const run_calendar& calendar) {
  const date today = calendar.today;

  if (dir_name == kNextDayName) {
    flag = 2;
    time_stamp = add_days(today, -1);
    return;
  }

  if (const auto age = match_age(dir_name)) {
    const int16_t n = number_after(dir_name, age->text);
    flag = 2;
    time_stamp = add_to_date(today, age->unit, -static_cast<long long>(n));
    return;
  }

  if (const auto weekday = match_weekday(dir_name)) {
    if (mweek == 0) {
      flag = 0;
      return;
    }
    const date month_start = add_days(today, 1 - day_number(today));
    if (calc_mweekday(month_start, *weekday, mweek) <= today) flag = 1;
    return;
  }

  if (day_has_come(dir_name, calendar)) flag = 1;
}

}  // namespace mj
