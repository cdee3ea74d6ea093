// SPDX-License-Identifier: MIT
// Names the rules read only leniently, so that they probably do not mean what
// they say: an age keyword without its number ("YEAR" opens at once, at every
// run), a weekday with more words after it ("MONDAY MORNING"), a phrase read
// as a month end because it holds an "E" ("next week"), and a date written
// another way read as a day of the month ("01.01.2027" is the 1st of each
// month). The opener reads such folders as always; the writer warns about
// them and `m_jar --explain` notes them, both with a name that probably
// means what was meant.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mj {

enum class lenient_kind {
  no_wait,               // an age keyword without a number: no wait at all
  weekday_with_words,    // a weekday keyword followed by other words
  phrase_as_month_end,   // words read as a month end for their "E"
  date_as_day_of_month,  // only the first number read, as a day of the month
};

struct lenient_reading {
  lenient_kind kind;
  std::string suggestion;  // a schedule name that probably means what was meant
  // In words, with the suggestion: "without a number it waits for nothing:
  // did you mean YEAR1 (once it is at least 1 year old, at every run)?"
  std::string words;
};

// Whether the rules read `folder_name` only leniently; nothing for a name
// they read as written (and for names that never open, which say so anyway).
// `near_year` is the year a one- or two-digit year is read near.
std::optional<lenient_reading> lenient_reading_of(std::string_view folder_name, int near_year);

// The JSON word of a kind: "no_wait", "weekday_with_words",
// "phrase_as_month_end" or "date_as_day_of_month".
const char* lenient_kind_key(lenient_kind kind);

// The name with "+" added, so that it also opens at the first run after a
// day the opener missed; nothing for a name that has "+" already, or the
// final "-" (due from its day on, it needs none), or is empty.
std::optional<std::string> catch_up_form(std::string_view folder_name);

}  // namespace mj
