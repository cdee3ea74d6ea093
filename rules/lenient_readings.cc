// SPDX-License-Identifier: MIT
#include "rules/lenient_readings.h"

#include <array>
#include <cctype>
#include <vector>

#include "base/wording.h"
#include "rules/numbers.h"
#include "rules/schedule_name.h"
#include "rules/schedule_words.h"

namespace mj {

namespace {

constexpr std::array<std::string_view, 7> kWeekdays = {"SUNDAY",   "MONDAY", "TUESDAY", "WEDNESDAY",
                                                       "THURSDAY", "FRIDAY", "SATURDAY"};

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool all_digits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text)
    if (!is_digit(c)) return false;
  return true;
}

// The markers of a split name written again: "@2", "=3", "+", "-".
std::string markers_of(const schedule_name& name) {
  std::string out;
  if (name.week_of_month != 0) out += "@" + std::to_string(name.week_of_month);
  if (name.days != 0) out += "=" + std::to_string(name.days);
  if (name.catch_up) out += "+";
  if (name.stays_due) out += "-";
  return out;
}

// The runs of letters and of digits in a text, upper-cased.
std::vector<std::string> words_of(std::string_view text) {
  std::vector<std::string> words;
  std::string current;
  bool digits = false;
  for (const char c : text) {
    const bool letter = is_letter(c);
    const bool digit = is_digit(c);
    if ((!letter && !digit) || (!current.empty() && digit != digits)) {
      if (!current.empty()) words.push_back(current);
      current.clear();
    }
    if (letter || digit) {
      digits = digit;
      current += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
  }
  if (!current.empty()) words.push_back(current);
  return words;
}

// The month a word names ("JAN", "JANUARY", "SEPT"), 1 to 12, or 0.
int month_of_word(const std::string& word) {
  static constexpr std::array<std::string_view, 12> kMonths = {
      "JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
      "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
  if (word.size() < 3) return 0;
  for (size_t i = 0; i < kMonths.size(); ++i)
    if (kMonths[i].starts_with(word.substr(0, 3)) &&
        (kMonths[i].starts_with(word) || word == "SEPT"))
      return static_cast<int>(i) + 1;
  return 0;
}

// A date written another way ("01.01.2027", "1 Jan 2027", "25/12") as the
// schedule name of that day ("2027-1-1", "12-25"); nothing when the text
// holds no such date. Day first, as most of the world writes it, unless the
// second number cannot be a month.
std::optional<std::string> date_written_otherwise(std::string_view text) {
  std::vector<std::string> numbers;
  int named_month = 0;
  for (const std::string& w : words_of(text)) {
    if (is_digit(w.front())) {
      numbers.push_back(w);
    } else if (const int m = month_of_word(w)) {
      if (named_month) return std::nullopt;
      named_month = m;
    }
  }
  const auto value = [](const std::string& digits) {
    return digits.size() > 4 ? 0 : std::stoi(digits);
  };
  long long y = -1;
  long long m = 0;
  long long d = 0;
  std::string year_text;
  if (named_month) {
    m = named_month;
    for (const std::string& n : numbers) {
      if (n.size() <= 2 && d == 0)
        d = value(n);
      else if (n.size() == 4 && year_text.empty())
        year_text = n;
      else
        return std::nullopt;
    }
  } else if (numbers.size() == 3 && numbers[0].size() == 4) {
    year_text = numbers[0];
    m = value(numbers[1]);
    d = value(numbers[2]);
  } else if (numbers.size() == 3 || numbers.size() == 2) {
    if (numbers[0].size() > 2 || numbers[1].size() > 2) return std::nullopt;
    d = value(numbers[0]);
    m = value(numbers[1]);
    if (m > 12 && d <= 12) std::swap(d, m);
    if (numbers.size() == 3) {
      if (numbers[2].size() != 2 && numbers[2].size() != 4) return std::nullopt;
      year_text = numbers[2];
    }
  } else {
    return std::nullopt;
  }
  if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
  if (!year_text.empty()) y = value(year_text);
  const std::string month_day = std::to_string(m) + "-" + std::to_string(d);
  return y < 0 ? month_day : std::to_string(y) + "-" + month_day;
}

// For words read as a month end: a keyword among them, or a date in them.
std::string suggestion_for_phrase(std::string_view text) {
  if (const auto written = date_written_otherwise(text)) return *written;
  for (const std::string& w : words_of(text)) {
    if (const auto weekday = match_weekday(w); weekday && w == kWeekdays[*weekday - 1]) return w;
    if (w == "TOMORROW") return w;
    if (w == "WEEK" || w == "MONTH" || w == "YEAR") return w + "1";
  }
  return "E";
}

lenient_reading reading(lenient_kind kind, const std::string& suggestion, int near_year) {
  std::vector<failure> ignored;
  const std::string meaning =
      describe_schedule(split_schedule_name(suggestion, 0, ignored), near_year).words;
  std::string words;
  switch (kind) {
    case lenient_kind::no_wait:
      words = localized("mj::lenient_readings",
                        "without a number it waits for nothing and opens at every run: did "
                        "you mean %1 (%2)?");
      break;
    case lenient_kind::weekday_with_words:
      words = localized("mj::lenient_readings",
                        "only the weekday at its start is read: did you mean %1 (%2)?");
      break;
    case lenient_kind::phrase_as_month_end:
      words = localized("mj::lenient_readings",
                        "these words are read as a month end, for the letter E in them: did "
                        "you mean %1 (%2)?");
      break;
    case lenient_kind::date_as_day_of_month:
      words = localized("mj::lenient_readings",
                        "only the number at its start is read, as a day of each month: did "
                        "you mean %1 (%2)?");
      break;
  }
  return {kind, suggestion, fill(words, {suggestion, meaning})};
}

}  // namespace

std::optional<lenient_reading> lenient_reading_of(std::string_view folder_name, int near_year) {
  std::vector<failure> ignored;
  const schedule_name name = split_schedule_name(folder_name, 0, ignored);
  const std::string& rule = name.rule;
  if (rule.empty() || rule == kNextDayName || match_repeating(rule)) return std::nullopt;
  if (const auto age = match_age(rule)) {
    std::string_view rest = std::string_view(rule).substr(age->text.size());
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    if (!rest.empty() && is_digit(rest.front())) return std::nullopt;
    return reading(lenient_kind::no_wait, std::string(age->text) + "1" + markers_of(name),
                   near_year);
  }
  if (const auto weekday = match_weekday(rule)) {
    const std::string_view keyword = kWeekdays[*weekday - 1];
    if (rule == keyword) return std::nullopt;
    return reading(lenient_kind::weekday_with_words, std::string(keyword) + markers_of(name),
                   near_year);
  }
  const day_form_marks marks = find_day_form_marks(rule);
  if (marks.has_dash()) return std::nullopt;
  if (marks.has_e()) {
    if (rule.front() == 'E' && (rule.size() == 1 || all_digits(rule.substr(1))))
      return std::nullopt;
    return reading(lenient_kind::phrase_as_month_end, suggestion_for_phrase(rule), near_year);
  }
  if (all_digits(rule) || leading_number(rule) < 1) return std::nullopt;
  const std::string suggestion =
      date_written_otherwise(rule).value_or(std::to_string(leading_number(rule)));
  return reading(lenient_kind::date_as_day_of_month, suggestion, near_year);
}

const char* lenient_kind_key(lenient_kind kind) {
  switch (kind) {
    case lenient_kind::no_wait:
      return "no_wait";
    case lenient_kind::weekday_with_words:
      return "weekday_with_words";
    case lenient_kind::phrase_as_month_end:
      return "phrase_as_month_end";
    case lenient_kind::date_as_day_of_month:
      return "date_as_day_of_month";
  }
  return "no_wait";
}

std::optional<std::string> catch_up_form(std::string_view folder_name) {
  std::vector<failure> ignored;
  const schedule_name name = split_schedule_name(folder_name, 0, ignored);
  if (name.rule.empty() || name.catch_up || name.stays_due) return std::nullopt;
  std::string_view trimmed = folder_name;
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.remove_suffix(1);
  while (!trimmed.empty() && trimmed.front() == ' ') trimmed.remove_prefix(1);
  return std::string(trimmed) + "+";
}

}  // namespace mj
