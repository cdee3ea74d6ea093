// SPDX-License-Identifier: MIT
#include "rules/schedule_words.h"

#include <string_view>

#include "base/visible_text.h"
#include "base/wording.h"
#include "rules/failure_error.h"
#include "rules/numbers.h"

namespace mj {

using namespace std::chrono;

namespace {

// Every sentence is written whole, with %1, %2 ... for what it holds, so
// that a translation can order its parts as its language does. Where an
// ordinal goes in, the plain number follows it as the next argument, for
// languages that write ordinals otherwise.

std::string num(long long n) { return std::to_string(n); }

// "1 year", "3 months".
std::string unit_words(date_unit unit, long long n) {
  const bool one = n == 1;
  switch (unit) {
    case date_unit::days:
      return one ? localized("mj::schedule_words", "1 day")
                 : fill(localized("mj::schedule_words", "%1 days"), {num(n)});
    case date_unit::weeks:
      return one ? localized("mj::schedule_words", "1 week")
                 : fill(localized("mj::schedule_words", "%1 weeks"), {num(n)});
    case date_unit::months:
      return one ? localized("mj::schedule_words", "1 month")
                 : fill(localized("mj::schedule_words", "%1 months"), {num(n)});
    case date_unit::years:
      return one ? localized("mj::schedule_words", "1 year")
                 : fill(localized("mj::schedule_words", "%1 years"), {num(n)});
  }
  return num(n);
}

// "every month", "every 3 months".
std::string every_words(date_unit unit, long long n) {
  if (n != 1) return fill(localized("mj::schedule_words", "every %1"), {unit_words(unit, n)});
  switch (unit) {
    case date_unit::days:
      return localized("mj::schedule_words", "every day");
    case date_unit::weeks:
      return localized("mj::schedule_words", "every week");
    case date_unit::months:
      return localized("mj::schedule_words", "every month");
    case date_unit::years:
      return localized("mj::schedule_words", "every year");
  }
  return {};
}

// The weekday as a folder name may begin ("Sun@2-"): grammar, not words.
constexpr const char* kWeekdayShortNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

// "the last day", "the last day but one", "the last day but 3".
std::string last_day_words(int16_t end_count) {
  if (end_count <= 0) return localized("mj::schedule_words", "the last day");
  if (end_count == 1) return localized("mj::schedule_words", "the last day but one");
  return fill(localized("mj::schedule_words", "the last day but %1"), {num(end_count)});
}

// What a name that points at a day names, with the end of its cycle for the
// due-from-day-on test.
enum class cycle_end { month, year, never };

struct day_phrase {
  std::string day;  // "the 15th of each month", "25 December each year"
  cycle_end until = cycle_end::month;
  bool exists = true;  // whether a day of the form can ever come
  std::optional<date> own_day;
};

day_phrase day_form_phrase(const std::string& rule, int near_year) {
  const day_form_marks marks = find_day_form_marks(rule);
  if (marks.has_dash() && marks.has_second_dash()) {
    const date target = marks.has_e() ? month_end_with_year_target(rule, marks, near_year)
                                      : full_date_target(rule, marks, near_year);
    return {day_words(target), cycle_end::never, true, target};
  }
  if (marks.has_dash()) {
    const int16_t month_n = leading_number(year_part(rule, marks));
    const bool real_month = month_n >= 1 && month_n <= 12;
    if (marks.has_e()) {
      return {fill(localized("mj::schedule_words", "%1 of %2 each year"),
                   {last_day_words(end_count(rule, marks)), month_words(month_n)}),
              cycle_end::year, real_month, std::nullopt};
    }
    const int16_t day_n = leading_number(month_part(rule, marks));
    // A day that exists in a leap year comes in some year.
    const bool exists = real_month && day_n >= 1 &&
                        year_month_day{year{2000}, month{static_cast<unsigned>(month_n)},
                                       day{static_cast<unsigned>(day_n)}}
                            .ok();
    return {fill(localized("mj::schedule_words", "%1 %2 each year"),
                 {num(day_n), month_words(month_n), num(month_n)}),
            cycle_end::year, exists, std::nullopt};
  }
  if (marks.has_e())
    return {fill(localized("mj::schedule_words", "%1 of each month"),
                 {last_day_words(end_count(rule, marks))}),
            cycle_end::month, true, std::nullopt};
  const int16_t day_n = leading_number(rule);
  const std::string pattern =
      day_n >= 29 && day_n <= 31
          ? localized("mj::schedule_words", "the %1 of each month that has one")
          : localized("mj::schedule_words", "the %1 of each month");
  return {fill(pattern, {ordinal(day_n), num(day_n)}), cycle_end::month, day_n >= 1 && day_n <= 31,
          std::nullopt};
}

// The reading of one name, before the markers that apply to all forms.
struct reading {
  std::string words;          // "again every month after the day it was stored"
  bool of_each_file = false;  // the words tell of each file: "each file ..."
  std::string never_because;
  std::optional<date> own_day;
};

reading of_each_file(std::string words) { return {std::move(words), true, {}, std::nullopt}; }

reading plain(std::string words, std::optional<date> own_day = std::nullopt) {
  return {std::move(words), false, {}, own_day};
}

reading never(std::string because) { return {{}, false, std::move(because), std::nullopt}; }

reading on_day_reading(const schedule_name& name, int near_year) {
  const std::string& rule = name.rule;
  const long long window = name.window_days + 1LL;
  if (window < 1)
    return never(fill(localized("mj::schedule_words", "\"=%1\" leaves no day to be due on"),
                      {num(name.days)}));
  const std::string wide =
      window > 1 ? fill(localized("mj::schedule_words", ", %1 days wide"), {num(window)}) : "";

  if (rule == kNextDayName) {
    if (window == 1)
      return of_each_file(localized("mj::schedule_words", "on the day after it was stored"));
    return of_each_file(
        fill(localized("mj::schedule_words", "on each of the %1 days after it was stored"),
             {num(window)}));
  }
  if (const auto repeating = match_repeating(rule)) {
    int16_t step = number_after(rule, repeating->text);
    if (step < 1) step = 1;
    return of_each_file(
        fill(localized("mj::schedule_words", "again %1 after the day it was stored"),
             {every_words(repeating->unit, step)}) +
        wide);
  }
  if (const auto age = match_age(rule)) {
    const std::string old = unit_words(age->unit, number_after(rule, age->text));
    if (name.days <= 0)
      return of_each_file(fill(
          localized("mj::schedule_words", "once it is %1 old, at every run from then on"), {old}));
    return of_each_file(
        fill(localized("mj::schedule_words", "on each of the %1 days after it is %2 old"),
             {num(window), old}));
  }
  if (const auto weekday = match_weekday(rule)) {
    const std::string day_name = weekday_words(*weekday);
    if (name.week_of_month == 0)
      return plain(fill(localized("mj::schedule_words", "every %1"), {day_name}) + wide);
    if (name.week_of_month < 1 || name.week_of_month > 5)
      return never(fill(localized("mj::schedule_words", "no month has a week %1"),
                        {num(name.week_of_month)}));
    return plain(fill(localized("mj::schedule_words", "on the %1 %2 of each month"),
                      {ordinal(name.week_of_month), day_name, num(name.week_of_month)}) +
                 wide);
  }
  day_phrase phrase = day_form_phrase(rule, near_year);
  if (!phrase.exists)
    return never(fill(localized("mj::schedule_words", "%1 does not exist"), {phrase.day}));
  return plain(fill(localized("mj::schedule_words", "on %1"), {phrase.day}) + wide, phrase.own_day);
}

reading from_day_on_reading(const schedule_name& name, int near_year) {
  const std::string& rule = name.rule;
  if (rule == kNextDayName)
    return plain(localized("mj::schedule_words",
                           "every file stored before the day of the run, at every run"));
  if (const auto age = match_age(rule)) {
    return of_each_file(
        fill(localized("mj::schedule_words", "once it is %1 old, at every run from then on"),
             {unit_words(age->unit, number_after(rule, age->text))}));
  }
  if (const auto weekday = match_weekday(rule)) {
    if (name.week_of_month == 0)
      return never(fill(localized("mj::schedule_words",
                                  "a weekday with a final \"-\" needs a week, such as \"%1@2-\""),
                        {kWeekdayShortNames[*weekday - 1]}));
    return plain(
        fill(localized("mj::schedule_words", "from the %1 %2 of each month to the month's end"),
             {ordinal(name.week_of_month), weekday_words(*weekday), num(name.week_of_month)}));
  }
  const day_phrase phrase = day_form_phrase(rule, near_year);
  if (phrase.until == cycle_end::never)
    return plain(fill(localized("mj::schedule_words", "from %1 on, at every run"), {phrase.day}),
                 phrase.own_day);
  const day_form_marks marks = find_day_form_marks(rule);
  if (!marks.has_dash() && !marks.has_e() && leading_number(rule) <= 0)
    return plain(fill(localized("mj::schedule_words",
                                "every file, at every run (day %1 of the month has always come)"),
                      {num(leading_number(rule))}));
  if (!phrase.exists && marks.has_dash() && !marks.has_e()) {
    // The due-from-day-on test counts such a day on from 1 January.
    return plain(
        fill(localized("mj::schedule_words",
                       "from day %1 of month %2, counted on from 1 January, to the end of the "
                       "year"),
             {num(leading_number(month_part(rule, marks))),
              num(leading_number(year_part(rule, marks)))}));
  }
  return plain(fill(localized("mj::schedule_words", "from %1 to %2"),
                    {phrase.day, phrase.until == cycle_end::year
                                     ? localized("mj::schedule_words", "the end of the year")
                                     : localized("mj::schedule_words", "the month's end")}));
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

schedule_description not_a_name(std::string words) {
  return {schedule_sense::not_a_name, words, std::move(words), {}, std::nullopt};
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

schedule_description describe_schedule(const schedule_name& name, int near_year) {
  if (name.rule.empty() && !name.stays_due)
    return not_a_name(localized(
        "mj::schedule_words", "an empty rule name, read as day 0 of the month, which never comes"));
  if (is_nonsense(name) && name.stays_due) {
    // Due from day 0 of the month on: that day has always come, so such a
    // folder is due at every run.
    schedule_description d;
    d.words = d.message_words =
        fill(localized("mj::schedule_words",
                       "not a schedule name: \"%1\" is read as day 0 of the month, which with "
                       "the final \"-\" has always come: at every run"),
             {printable(name.rule)});
    return d;
  }
  if (is_nonsense(name))
    return not_a_name(fill(localized("mj::schedule_words",
                                     "not a schedule name: \"%1\" is read as day 0 of the month, "
                                     "which never comes"),
                           {printable(name.rule)}));
  reading r;
  const std::optional<failure> unreadable = failure_of([&] {
    r = name.stays_due ? from_day_on_reading(name, near_year) : on_day_reading(name, near_year);
  });
  if (unreadable) {
    const std::string words =
        localized("mj::schedule_words", "a name that cannot be read, so its files never open");
    return {schedule_sense::unreadable, words, words, unreadable->description, std::nullopt};
  }
  if (!r.never_because.empty()) {
    const std::string words = fill(localized("mj::schedule_words", "never: %1"), {r.never_because});
    return {schedule_sense::never, words, words, r.never_because, std::nullopt};
  }
  if (name.stays_due) {
    if (name.days != 0 || name.catch_up)
      r.words +=
          localized("mj::schedule_words", " (\"=\" and \"+\" change nothing before a final \"-\")");
  } else if (name.catch_up) {
    r.words += localized("mj::schedule_words", ", catching up the days the opener missed");
  }
  schedule_description d;
  d.message_words = r.words;
  d.words =
      r.of_each_file ? fill(localized("mj::schedule_words", "each file %1"), {r.words}) : r.words;
  d.own_day = r.own_day;
  return d;
}

std::string describe_verdict(const folder_evaluation& evaluation) {
  const due_verdict& v = evaluation.verdict;
  switch (v.kind) {
    case due_kind::not_due:
      return localized("mj::schedule_words", "not due");
    case due_kind::all_files:
      return localized("mj::schedule_words", "due: every file in the folder");
    case due_kind::files_up_to:
      if (v.from == zero_date)
        return localized("mj::schedule_words",
                         "due, but no file: its day lies outside the years 100 to 9999");
      return fill(localized("mj::schedule_words", "due: files stored up to the end of %1"),
                  {day_words(v.from)});
    case due_kind::files_within:
      if (v.from == zero_date)
        return localized("mj::schedule_words",
                         "due, but no file: its days lie outside the years 100 to 9999");
      if (v.from > v.to)
        return localized("mj::schedule_words", "due, but no file: the range of days is empty");
      if (v.from == v.to)
        return fill(localized("mj::schedule_words", "due: files stored on %1"),
                    {day_words(v.from)});
      return fill(localized("mj::schedule_words", "due: files stored from %1 to %2"),
                  {day_words(v.from), day_words(v.to)});
    case due_kind::repeating: {
      if (v.from > v.to)
        return localized("mj::schedule_words", "due, but no file: the range of days is empty");
      const std::optional<date_unit> unit = repeat_unit_of(evaluation.name.rule);
      const std::string every = unit ? every_words(*unit, v.repeat_every) : "?";
      if (v.from == v.to)
        return fill(
            localized("mj::schedule_words", "due: files whose day comes round again (%1) on %2"),
            {every, day_words(v.from)});
      return fill(localized("mj::schedule_words",
                            "due: files whose day comes round again (%1) from %2 to %3"),
                  {every, day_words(v.from), day_words(v.to)});
    }
  }
  return localized("mj::schedule_words", "not due");
}

}  // namespace mj
