// Signed 16-bit numbers of schedule names: checked arithmetic and the
// leading-number rule.
#pragma once

#include <cstdint>
#include <string_view>

namespace mj {

// Each fails with kOverflow when the exact result leaves -32768..32767.
int16_t checked_int16(long long value);
int16_t checked_add(int16_t a, int16_t b);
int16_t checked_sub(int16_t a, int16_t b);
int16_t checked_mul(int16_t a, int16_t b);

// Reads the number at the start of `text`: leading blanks, an optional sign,
// digits, optionally "." and more digits; anything else ends the number, and
// a text without a number gives 0. Rounds half to even (2.5 -> 2, 3.5 -> 4)
// and fails with kOverflow outside the signed 16-bit range.
int16_t leading_number(std::string_view text);

}  // namespace mj
