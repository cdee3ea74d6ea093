// SPDX-License-Identifier: MIT
#include "rules/schedule_name.h"

#include <limits>
#include <string>

#include "base/wording.h"
#include "rules/failure_error.h"
#include "rules/numbers.h"

namespace mj {

namespace {

// Runs one step of the split; a failure is recorded and the step's target
// keeps the value it had.
template <typename Step>
void reported(std::vector<failure>& failures, Step step) {
  try {
    step();
  } catch (const failure_error& e) {
    failures.push_back(e.get());
  }
}

bool drop_last_if(std::string& text, char marker) {
  if (text.empty() || text.back() != marker) return false;
  text.pop_back();
  return true;
}

}  // namespace

std::string upper_trimmed(std::string_view name) {
  const size_t begin = name.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  const size_t end = name.find_last_not_of(' ');
  std::string result(name.substr(begin, end - begin + 1));
  for (char& c : result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return result;
}

schedule_name split_schedule_name(std::string_view folder_name, long long missed_days,
                                  std::vector<failure>& failures) {
  schedule_name s;
  std::string text = upper_trimmed(folder_name);
  s.stays_due = drop_last_if(text, '-');
  s.catch_up = drop_last_if(text, '+');

  if (const size_t eq = text.find('='); eq != std::string::npos) {
    reported(failures, [&] { s.days = leading_number(std::string_view(text).substr(eq + 1)); });
    reported(failures, [&] { s.window_days = checked_sub(s.days, 1); });
    text.erase(eq);
  }
  if (s.catch_up) {
    const long long widened = s.window_days + missed_days;
    if (widened > std::numeric_limits<int16_t>::max() ||
        widened < std::numeric_limits<int16_t>::min()) {
      failures.push_back(make_failure(
          failure_code::overflow, fill(localized("mj::schedule_name",
                                                 "the %1 days missed since the last run are more "
                                                 "than a window of days can hold (32767)"),
                                       {std::to_string(missed_days)})));
    } else {
      s.window_days = static_cast<int16_t>(widened);
    }
  }
  if (const size_t at = text.find('@'); at != std::string::npos) {
    reported(failures,
             [&] { s.week_of_month = leading_number(std::string_view(text).substr(at + 1)); });
    text.erase(at);
  }
  s.rule = std::move(text);
  return s;
}

namespace {

constexpr keyword kRepeatingKeywords[] = {
    {"EVERYYEAR", date_unit::years},   {"EVERY YEAR", date_unit::years},
    {"EVERYMONTH", date_unit::months}, {"EVERY MONTH", date_unit::months},
    {"EVERYWEEK", date_unit::weeks},   {"EVERY WEEK", date_unit::weeks},
    {"EVERYDAY", date_unit::days},     {"EVERY DAY", date_unit::days},
};

constexpr keyword kAgeKeywords[] = {
    {"YEAR", date_unit::years},
    {"MONTH", date_unit::months},
    {"DAY", date_unit::days},
    {"WEEK", date_unit::weeks},
};

constexpr std::string_view kWeekdayKeywords[] = {
    "SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY",
};

template <size_t N>
std::optional<keyword> first_prefix(std::string_view rule_name, const keyword (&table)[N]) {
  for (const keyword& k : table)
    if (rule_name.starts_with(k.text)) return k;
  return std::nullopt;
}

}  // namespace

std::optional<keyword> match_repeating(std::string_view rule_name) {
  return first_prefix(rule_name, kRepeatingKeywords);
}

std::optional<keyword> match_age(std::string_view rule_name) {
  return first_prefix(rule_name, kAgeKeywords);
}

std::optional<int16_t> match_weekday(std::string_view rule_name) {
  for (int16_t i = 0; i < 7; ++i)
    if (rule_name.starts_with(kWeekdayKeywords[i])) return static_cast<int16_t>(i + 1);
  return std::nullopt;
}

int16_t number_after(std::string_view rule_name, std::string_view keyword_text) {
  return leading_number(rule_name.substr(keyword_text.size()));
}

day_form_marks find_day_form_marks(std::string_view rule_name) {
  day_form_marks marks;
  marks.first_dash = rule_name.find('-');
  if (marks.has_dash()) marks.second_dash = rule_name.find('-', marks.first_dash + 1);
  marks.first_e = rule_name.find('E');
  return marks;
}

std::string_view year_part(std::string_view rule_name, const day_form_marks& marks) {
  return rule_name.substr(0, marks.first_dash);
}

std::string_view month_part(std::string_view rule_name, const day_form_marks& marks) {
  const size_t begin = marks.first_dash + 1;
  if (!marks.has_second_dash()) return rule_name.substr(begin);
  return rule_name.substr(begin, marks.second_dash - begin);
}

std::string_view day_part(std::string_view rule_name, const day_form_marks& marks) {
  return rule_name.substr(marks.second_dash + 1);
}

int16_t end_count(std::string_view rule_name, const day_form_marks& marks) {
  const int16_t count = leading_number(rule_name.substr(marks.first_e + 1));
  return count > 0 ? static_cast<int16_t>(count - 1) : count;
}

date full_date_target(std::string_view rule_name, const day_form_marks& marks, int near_year) {
  return date_from_parts(year_part(rule_name, marks), month_part(rule_name, marks),
                         day_part(rule_name, marks), near_year);
}

date month_end_with_year_target(std::string_view rule_name, const day_form_marks& marks,
                                int near_year) {
  const date month_start =
      date_from_parts(year_part(rule_name, marks), month_part(rule_name, marks), "01", near_year);
  const int16_t k = end_count(rule_name, marks);
  return add_days(add_months(month_start, 1), -(1 + static_cast<long long>(k)));
}

date month_end_with_month_target(std::string_view rule_name, const day_form_marks& marks,
                                 date year_start) {
  const int16_t m = leading_number(year_part(rule_name, marks));
  const int16_t k = end_count(rule_name, marks);
  return add_days(add_months(year_start, m), -(1 + static_cast<long long>(k)));
}

}  // namespace mj
