#include "rules/schedule_words.h"

#include <string_view>

#include "rules/failure_error.h"
#include "rules/numbers.h"

namespace mj {

using namespace std::chrono;

namespace {

constexpr const char* kMonthNames[] = {"January",   "February", "March",    "April",
                                       "May",       "June",     "July",     "August",
                                       "September", "October",  "November", "December"};
constexpr const char* kWeekdayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};

// "1 year", "3 months".
std::string unit_words(date_unit unit, long long n) {
  static const char* const kSingular[] = {"day", "week", "month", "year"};
  const std::string word = kSingular[static_cast<int>(unit)];
  return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
}

// "every month", "every 3 months".
std::string every_words(date_unit unit, long long n) {
  return n == 1 ? "every " + unit_words(unit, 1).substr(2) : "every " + unit_words(unit, n);
}

std::string month_name(long long m) {
  if (m >= 1 && m <= 12) return kMonthNames[m - 1];
  return "month " + std::to_string(m);
}

std::string long_date(date d) {
  const year_month_day ymd{d};
  return std::to_string(static_cast<unsigned>(ymd.day())) + " " +
         month_name(static_cast<unsigned>(ymd.month())) + " " +
         std::to_string(static_cast<int>(ymd.year()));
}

// "the last day", "the last day but one", "the last day but 3".
std::string last_day_words(int16_t end_count) {
  if (end_count <= 0) return "the last day";
  if (end_count == 1) return "the last day but one";
  return "the last day but " + std::to_string(end_count);
}

// The words of a name that points at a day, with the window of the
// due-on-day test (`window` days ending today).
struct day_phrase {
  std::string day;     // "the 15th of each month"
  std::string until;   // the end of its cycle: "the month's end"
  bool never = false;  // no day of the form can ever come
};

day_phrase day_form_phrase(const std::string& rule, int near_year) {
  const day_form_marks marks = find_day_form_marks(rule);
  if (marks.has_dash() && marks.has_second_dash()) {
    if (marks.has_e()) {
      const date target = month_end_with_year_target(rule, marks, near_year);
      return {"on " + long_date(target), "for ever after", false};
    }
    return {"on " + long_date(full_date_target(rule, marks, near_year)), "for ever after", false};
  }
  if (marks.has_dash()) {
    const int16_t month_n = leading_number(year_part(rule, marks));
    if (marks.has_e()) {
      return {"on " + last_day_words(end_count(rule, marks)) + " of " + month_name(month_n) +
                  " each year",
              "the end of the year", month_n < 1 || month_n > 12};
    }
    const int16_t day_n = leading_number(month_part(rule, marks));
    // A day that exists in a leap year comes in some year.
    const bool exists = month_n >= 1 && month_n <= 12 && day_n >= 1 &&
                        year_month_day{year{2000}, month{static_cast<unsigned>(month_n)},
                                       day{static_cast<unsigned>(day_n)}}
                            .ok();
    return {"on " + std::to_string(day_n) + " " + month_name(month_n) + " each year",
            "the end of the year", !exists};
  }
  if (marks.has_e())
    return {"on " + last_day_words(end_count(rule, marks)) + " of each month", "the month's end",
            false};
  const int16_t day_n = leading_number(rule);
  std::string words = "on the " + ordinal(day_n) + " of each month";
  if (day_n >= 29 && day_n <= 31) words += " that has one";
  return {words, "the month's end", day_n < 1 || day_n > 31};
}

std::string on_day_words(const schedule_name& name, int near_year) {
  const std::string& rule = name.rule;
  const long long window = name.window_days + 1LL;
  if (window < 1) return "never: \"=" + std::to_string(name.days) + "\" leaves no day to be due on";
  const std::string wide = window > 1 ? ", " + std::to_string(window) + " days wide" : "";

  if (rule == kNextDayName) {
    if (window == 1) return "each file on the day after it was stored";
    return "each file on each of the " + std::to_string(window) + " days after it was stored";
  }
  if (const auto repeating = match_repeating(rule)) {
    int16_t step = number_after(rule, repeating->text);
    if (step < 1) step = 1;
    return "each file again " + every_words(repeating->unit, step) +
           " after the day it was stored" + wide;
  }
  if (const auto age = match_age(rule)) {
    const int16_t n = number_after(rule, age->text);
    if (name.days <= 0)
      return "each file once it is " + unit_words(age->unit, n) + " old, at every run from then on";
    return "each file on each of the " + std::to_string(window) + " days after it is " +
           unit_words(age->unit, n) + " old";
  }
  if (const auto weekday = match_weekday(rule)) {
    const std::string day_name = kWeekdayNames[*weekday - 1];
    if (name.week_of_month == 0) return "every " + day_name + wide;
    if (name.week_of_month < 1 || name.week_of_month > 5)
      return "never: no month has a week " + std::to_string(name.week_of_month);
    return "the " + ordinal(name.week_of_month) + " " + day_name + " of each month" + wide;
  }
  const day_phrase phrase = day_form_phrase(rule, near_year);
  if (phrase.never) return "never: " + phrase.day.substr(3) + " does not exist";
  return phrase.day + wide;
}

std::string from_day_on_words(const schedule_name& name, int near_year) {
  const std::string& rule = name.rule;
  if (rule == kNextDayName) return "every file stored before the day of the run, at every run";
  if (const auto age = match_age(rule)) {
    const int16_t n = number_after(rule, age->text);
    return "each file once it is " + unit_words(age->unit, n) + " old, at every run from then on";
  }
  if (const auto weekday = match_weekday(rule)) {
    const std::string day_name = kWeekdayNames[*weekday - 1];
    if (name.week_of_month == 0)
      return "never: a weekday with a final \"-\" needs a week, such as \"" +
             day_name.substr(0, 3) + "@2-\"";
    return "from the " + ordinal(name.week_of_month) + " " + day_name +
           " of each month to the month's end";
  }
  const day_phrase phrase = day_form_phrase(rule, near_year);
  if (phrase.until == "for ever after") return "from " + phrase.day.substr(3) + " on, at every run";
  const day_form_marks marks = find_day_form_marks(rule);
  if (!marks.has_dash() && !marks.has_e() && leading_number(rule) <= 0)
    return "every file, at every run (day " + std::to_string(leading_number(rule)) +
           " of the month has always come)";
  if (phrase.never && marks.has_dash() && !marks.has_e()) {
    // The due-from-day-on test counts such a day on from 1 January.
    return "from day " + std::to_string(leading_number(month_part(rule, marks))) + " of month " +
           std::to_string(leading_number(year_part(rule, marks))) +
           ", counted on from 1 January, to the end of the year";
  }
  return "from " + phrase.day.substr(3) + " to " + phrase.until;
}

bool is_nonsense(const schedule_name& name) {
  // A rule with no keyword, no "-", no "E" and no number is read as day 0 of
  // the month, which never comes.
  const std::string& r = name.rule;
  if (r.empty() || r == kNextDayName || match_repeating(r) || match_age(r) || match_weekday(r))
    return false;
  if (r.find('-') != std::string::npos || r.find('E') != std::string::npos) return false;
  const char first = r.front();
  return !(first >= '0' && first <= '9') && first != '+' && first != '.' && first != ' ' &&
         first != '\t';
}

}  // namespace

std::string ordinal(long long n) {
  const long long last_two = (n < 0 ? -n : n) % 100;
  const long long last = last_two % 10;
  const char* suffix = "th";
  if (last_two < 11 || last_two > 13) {
    if (last == 1) suffix = "st";
    if (last == 2) suffix = "nd";
    if (last == 3) suffix = "rd";
  }
  return std::to_string(n) + suffix;
}

std::string format_day(date d) {
  static const char* const kShortMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const year_month_day ymd{d};
  return std::string(kWeekdayNames[weekday_number(d) - 1]).substr(0, 3) + " " +
         std::to_string(static_cast<unsigned>(ymd.day())) + " " +
         kShortMonths[static_cast<unsigned>(ymd.month()) - 1] + " " +
         std::to_string(static_cast<int>(ymd.year()));
}

std::string describe_schedule(const schedule_name& name, int near_year) {
  if (name.rule.empty() && !name.stays_due)
    return "an empty rule name, read as day 0 of the month, which never comes";
  if (is_nonsense(name))
    return "not a schedule name: \"" + name.rule +
           "\" is read as day 0 of the month, which never "
           "comes";
  std::string words;
  const std::optional<failure> unreadable = failure_of([&] {
    words = name.stays_due ? from_day_on_words(name, near_year) : on_day_words(name, near_year);
  });
  if (unreadable) return "a name that cannot be read, so its files never open";
  if (name.stays_due) {
    if (name.days != 0 || name.catch_up)
      words += " (\"=\" and \"+\" change nothing before a final \"-\")";
  } else if (name.catch_up) {
    words += ", catching up the days the opener missed";
  }
  return words;
}

std::string describe_verdict(const folder_evaluation& evaluation) {
  const due_verdict& v = evaluation.verdict;
  switch (v.kind) {
    case due_kind::not_due:
      return "not due";
    case due_kind::all_files:
      return "due: every file in the folder";
    case due_kind::files_up_to:
      if (v.from == zero_date)
        return "due, but no file: its day lies outside the years 100 to 9999";
      return "due: files stored up to the end of " + format_day(v.from);
    case due_kind::files_within:
      if (v.from == zero_date)
        return "due, but no file: its days lie outside the years 100 to 9999";
      if (v.from > v.to) return "due, but no file: the range of days is empty";
      if (v.from == v.to) return "due: files stored on " + format_day(v.from);
      return "due: files stored from " + format_day(v.from) + " to " + format_day(v.to);
    case due_kind::repeating: {
      const std::optional<date_unit> unit = repeat_unit_of(evaluation.name.rule);
      const std::string every = unit ? every_words(*unit, v.repeat_every) : "?";
      if (v.from > v.to) return "due, but no file: the range of days is empty";
      return "due: files whose day comes round again (" + every + ") " +
             (v.from == v.to ? "on " + format_day(v.from)
                             : "from " + format_day(v.from) + " to " + format_day(v.to));
    }
  }
  return "not due";
}

}  // namespace mj
