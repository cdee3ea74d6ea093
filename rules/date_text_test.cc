#include "rules/date_text.h"

#include <gtest/gtest.h>

#include "rules/test_support.h"

namespace mj {
namespace {

using testing::D;
using testing::failure_code_of;

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
    EXPECT_EQ(date_from_text(c.text, c.near_year), D(c.expected));
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
    EXPECT_EQ(failure_code_of([&] { date_from_text(text, 1998); }), kTypeMismatch);
  }
  // A two-digit year that would expand before the year 100.
  EXPECT_EQ(failure_code_of([] { date_from_text("60/1/1", 100); }), kTypeMismatch);
}

}  // namespace
}  // namespace mj
