// SPDX-License-Identifier: MIT
#include "rules/numbers.h"

#include <gtest/gtest.h>

#include "rules/test_support.h"

namespace mj {
namespace {

using testing::D;
using testing::failure_code_of;
using testing::value_of;

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfAText) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case kCases[] = {
      {"3", 3},         {" 12ABC", 12},     {"", 0},
      {"X5", 0},        {"3@2", 3},         {"  -15", -15},
      {"+7", 7},        {"\t5", 5},         {"0007", 7},
      {"-", 0},         {".", 0},           {"+", 0},
      {"- 5", 0},       {"5e3", 5},         {"0x10", 0},
      {"1-2", 1},       {"12.", 12},        {"\xEF\xBC\x91\xEF\xBC\x92", 0},  // full-width "12"
      {"32767", 32767}, {"-32768", -32768}, {"000000000000000000000000000000001", 1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(leading_number(c.text), c.expected);
  }
}

TEST(LeadingNumber, RoundsHalfToEven) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case kCases[] = {
      {"2.5", 2},
      {"3.5", 4},
      {"-2.5", -2},
      {"-3.5", -4},
      {"2.51", 3},
      {"2.4999", 2},
      {"0.5", 0},
      {".6", 1},
      {"-.5", 0},
      {"1.5000000", 2},
      {"2.50000000000000000000001", 3},
      {"32767.4", 32767},
      {"-32768.5", -32768},
      {"7.", 7},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(leading_number(c.text), c.expected);
  }
}

TEST(LeadingNumber, FailsWithOverflowOutsideSixteenBits) {
  const char* const kTexts[] = {
      "32768",
      "-32769",
      "32767.5",
      "-32768.51",
      "40000",
      "99999",
      "1234567890123456789012345678901234567890",  // 40 digits
      "-99999999999999999999999999999999999999.9",
  };
  for (const char* text : kTexts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(failure_code_of([&] { leading_number(text); }), failure_code::overflow);
  }
}

TEST(CheckedArithmetic, FailsOnlyWhenTheExactResultLeavesSixteenBits) {
  EXPECT_EQ(checked_add(32766, 1), 32767);
  EXPECT_EQ(failure_code_of([] { checked_add(32767, 1); }), failure_code::overflow);
  EXPECT_EQ(checked_sub(-32767, 1), -32768);
  EXPECT_EQ(failure_code_of([] { checked_sub(-32768, 1); }), failure_code::overflow);
  EXPECT_EQ(checked_mul(4681, 7), 32767);
  EXPECT_EQ(failure_code_of([] { checked_mul(4682, 7); }), failure_code::overflow);
  EXPECT_EQ(failure_code_of([] { checked_mul(-4682, 7); }), failure_code::overflow);
}

TEST(DateText, ReadsYearMonthDay) {
  struct Case {
    const char* text;
    int near_year;
    const char* expected;
  };
  const Case kCases[] = {
      {"1998/12/25", 1998, "1998-12-25"},
      {"98/2/01", 1998, "1998-02-01"},
      {"98/12/25", 1998, "1998-12-25"},
      {"26/12/25", 2026, "2026-12-25"},
      // The writer proposes the current year's last two digits: the century
      // must follow the run's year, also past 2029.
      {"30/1/15", 2030, "2030-01-15"},
      {"99/12/31", 2000, "1999-12-31"},
      {"00/1/1", 1999, "2000-01-01"},
      // Two-digit years lie within near_year - 50 .. near_year + 49.
      {"47/1/1", 1998, "2047-01-01"},
      {"48/1/1", 1998, "1948-01-01"},
      {"5/3/1", 2026, "2005-03-01"},
      {"998/1/1", 2026, "0998-01-01"},
      {"2000/2/29", 2026, "2000-02-29"},
      {"0998/01/01", 2026, "0998-01-01"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(value_of(date_from_text(c.text, c.near_year)), D(c.expected));
  }
}

TEST(DateText, AnythingThatIsNotACalendarDayIsATypeMismatch) {
  const char* const kTexts[] = {
      "1998/13/45",      "A/B/C",     "98/2/30",  "1999/2/29",  "1998/0/1",
      "1998/1/0",        "//",        "1998/12",  "1998/1/1/1", "1998/ 1/1",
      "1998/+1/1",       "1998/1/1 ", "0099/1/1", "99999/1/1",  "1998/1/1x",
      "-1/1/1",          "10000/1/1",
      "1998/0000012/01",  // more digits than any month needs
  };
  for (const char* text : kTexts) {
    SCOPED_TRACE(text);
    EXPECT_EQ(failure_code_of(date_from_text(text, 1998)), failure_code::type_mismatch);
  }
  // A two-digit year that would expand before the year 100.
  EXPECT_EQ(failure_code_of(date_from_text("60/1/1", 100)), failure_code::type_mismatch);
}

}  // namespace
}  // namespace mj
