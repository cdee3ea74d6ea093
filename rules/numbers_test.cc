#include "rules/numbers.h"

#include <gtest/gtest.h>

#include "rules/test_support.h"

namespace mj {
namespace {

using testing::failure_code_of;

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
    EXPECT_EQ(failure_code_of([&] { leading_number(text); }), kOverflow);
  }
}

TEST(CheckedArithmetic, FailsOnlyWhenTheExactResultLeavesSixteenBits) {
  EXPECT_EQ(checked_add(32766, 1), 32767);
  EXPECT_EQ(failure_code_of([] { checked_add(32767, 1); }), kOverflow);
  EXPECT_EQ(checked_sub(-32767, 1), -32768);
  EXPECT_EQ(failure_code_of([] { checked_sub(-32768, 1); }), kOverflow);
  EXPECT_EQ(checked_mul(4681, 7), 32767);
  EXPECT_EQ(failure_code_of([] { checked_mul(4682, 7); }), kOverflow);
  EXPECT_EQ(failure_code_of([] { checked_mul(-4682, 7); }), kOverflow);
}

}  // namespace
}  // namespace mj
