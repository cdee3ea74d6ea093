// SPDX-License-Identifier: MIT
// Schedule names: the split of a schedule folder's name into its rule name and
// markers, RULE[@week][=days][+][-] (for example "SUNDAY@2=3+-"), and the
// forms a rule name can take: the keyword tables, in the order they are
// tried, and the parts of the forms that point at a day.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/failure.h"
#include "rules/calendar.h"

namespace mj {

struct schedule_name {
  std::string rule;           // the rule name: upper case, trimmed, without markers
  int16_t week_of_month = 0;  // the week after "@" (0: every week)
  int16_t days = 0;           // the number after "=" (0 when absent)
  int16_t window_days = 0;    // how far the window reaches back from today: days - 1,
                              // widened by the missed days with "+"
  bool catch_up = false;      // "+": the window also covers the days the opener missed
  bool stays_due = false;     // the final "-": due from its day to the end of its cycle
};

// Splits a folder name as listed. `missed_days` widens the window of a name
// with "+". A marker number that cannot be read (overflow) is appended to
// `failures` and counts as 0; the rest of the split goes on.
schedule_name split_schedule_name(std::string_view folder_name, long long missed_days,
                                  std::vector<failure>& failures);

// Upper-cases ASCII letters and removes leading and trailing spaces; other
// bytes (UTF-8 text) pass unchanged.
std::string upper_trimmed(std::string_view name);

struct keyword {
  std::string_view text;
  date_unit unit;
};

inline constexpr std::string_view kNextDayName = "TOMORROW";

// The first repeating keyword ("EVERYYEAR" ... "EVERY DAY") the rule name
// begins with; the rest of the name is the repeat step.
std::optional<keyword> match_repeating(std::string_view rule_name);

// The first age keyword ("YEAR", "MONTH", "DAY", "WEEK") the rule name begins
// with; the rest of the name is the age.
std::optional<keyword> match_age(std::string_view rule_name);

// The weekday number (1 = Sunday) of the first weekday keyword the rule name
// begins with.
std::optional<int16_t> match_weekday(std::string_view rule_name);

// The number after a matched keyword: the leading number of the rest.
int16_t number_after(std::string_view rule_name, std::string_view keyword_text);

// Where a form that points at a day keeps its parts: the first "-", a second
// "-" after it, and the first "E" anywhere (npos for each when absent).
struct day_form_marks {
  size_t first_dash = std::string_view::npos;
  size_t second_dash = std::string_view::npos;
  size_t first_e = std::string_view::npos;

  bool has_dash() const { return first_dash != std::string_view::npos; }
  bool has_second_dash() const { return second_dash != std::string_view::npos; }
  bool has_e() const { return first_e != std::string_view::npos; }
};

day_form_marks find_day_form_marks(std::string_view rule_name);

// The text before the first "-", between the two "-", and after the second.
std::string_view year_part(std::string_view rule_name, const day_form_marks& marks);
std::string_view month_part(std::string_view rule_name, const day_form_marks& marks);
std::string_view day_part(std::string_view rule_name, const day_form_marks& marks);

// The end count k of "E", "E1", "E2", ...: how many days before a month's last
// day the form points at ("E", "E0" and "E1" give 0).
int16_t end_count(std::string_view rule_name, const day_form_marks& marks);

// The full-date form ("1998-12-25") read as a date.
date full_date_target(std::string_view rule_name, const day_form_marks& marks, int near_year);

// The month-end form with a year ("1999-2-E2"): the k-th day before the end
// of that month.
date month_end_with_year_target(std::string_view rule_name, const day_form_marks& marks,
                                int near_year);

// The month-end form with a month ("2-E"): the k-th day before the end of that
// month of the run's year.
date month_end_with_month_target(std::string_view rule_name, const day_form_marks& marks,
                                 date year_start);

}  // namespace mj
