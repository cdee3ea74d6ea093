// Reading a calendar day from the year, month and day texts of a rule name.
#pragma once

#include <string_view>

#include "rules/calendar.h"

namespace mj {

// Year, month and day must each be one or more decimal digits and make a
// calendar day in 100..9999; otherwise fails with kTypeMismatch.
// A one- or two-digit year is the year ending in those digits that lies
// closest to `near_year` (within near_year - 50 .. near_year + 49), so the
// names the writer proposes ("30-1-15" in January 2030) read as meant.
date date_from_parts(std::string_view year_text, std::string_view month_text,
                     std::string_view day_text, int near_year);

// The same for one text "year/month/day".
date date_from_text(std::string_view text, int near_year);

}  // namespace mj
