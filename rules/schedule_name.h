// The split of a schedule folder's name into its rule name and markers:
// RULE[@week][=period][+][-], for example "SUNDAY@2=3+-".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/failure.h"

namespace mj {

struct schedule_name {
  std::string rule_name;  // upper case, trimmed, without markers
  bool minus = false;     // ended in "-": judged by the due-after test
  bool plus = false;      // ended in "+" (before any "-"): the window covers missed days
  int16_t period = 0;     // the number after "="
  int16_t period2 = 0;    // days the window reaches back from today
  int16_t mweek = 0;      // the week number after "@"
};

// Splits a folder name as listed. `missed_days` widens the window of a name
// with "+". A marker number that cannot be read (overflow) is appended to
// `failures` and counts as 0; the rest of the split goes on.
schedule_name split_schedule_name(std::string_view folder_name, long long missed_days,
                                  std::vector<failure>& failures);

// Upper-cases ASCII letters and removes leading and trailing spaces; other
// bytes (UTF-8 text) pass unchanged.
std::string upper_trimmed(std::string_view name);

}  // namespace mj
