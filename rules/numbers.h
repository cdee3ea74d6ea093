// SPDX-License-Identifier: MIT
// Reading the numbers and dates written in a schedule name: signed 16-bit
// numbers with checked arithmetic, the leading-number rule, and calendar days
// from year, month and day texts. Each fails (rules/failure_error.h) where
// the name cannot be read.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/date.h"
#include "base/failure.h"

namespace mj {

// Each fails with overflow when the exact result leaves -32768..32767.
int16_t checked_int16(long long value);
int16_t checked_add(int16_t a, int16_t b);
int16_t checked_sub(int16_t a, int16_t b);
int16_t checked_mul(int16_t a, int16_t b);

// Reads the number at the start of `text`: leading blanks, an optional sign,
// digits, optionally "." and more digits; anything else ends the number, and
// a text without a number gives 0. Rounds half to even (2.5 -> 2, 3.5 -> 4)
// and fails with overflow outside the signed 16-bit range.
int16_t leading_number(std::string_view text);

// Year, month and day must each be one or more decimal digits and make a
// calendar day in 100..9999; otherwise fails with type_mismatch.
// A one- or two-digit year is the year ending in those digits that lies
// closest to `near_year` (within near_year - 50 .. near_year + 49), so the
// names the writer proposes ("30-1-15" in January 2030) read as meant.
date date_from_parts(std::string_view year_text, std::string_view month_text,
                     std::string_view day_text, int near_year);

// The same for one text "year/month/day", as a value: the stored date of
// the opener's previous run is read with it.
result<date> date_from_text(std::string_view text, int near_year);

}  // namespace mj
