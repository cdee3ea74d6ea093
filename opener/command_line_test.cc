#include "opener/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace mj {
namespace {

TEST(CommandLine, SplitsTheDelayDigitsFromTheLocationText) {
  struct Case {
    const char* text;
    std::optional<int> interval_ms;
    const char* location;
    int failure_code;  // 0: none
  };
  const Case kCases[] = {
      {"", std::nullopt, "", 0},
      {"30", 30000, "", 0},
      {"5 D", 5000, "D", 0},
      {"12abc", 12000, "abc", 0},
      {" 7", std::nullopt, "7", 0},
      {"0", 0, "", 0},
      {"007 /srv/caps ", 7000, "/srv/caps", 0},
      {"/home/a/my caps", std::nullopt, "/home/a/my caps", 0},
      {"\t 1 x", std::nullopt, "1 x", 0},
      {"2147483", 2147483000, "", 0},
      {"2147484", std::nullopt, "", kOverflow},
      {"99999999999999999999999 caps", std::nullopt, "caps", kOverflow},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    std::vector<failure> failures;
    const classic_command_line cl =
        split_command_line(c.text, [&](const failure& f) { failures.push_back(f); });
    EXPECT_EQ(cl.interval_ms, c.interval_ms);
    EXPECT_EQ(cl.location, c.location);
    if (c.failure_code == 0) {
      EXPECT_TRUE(failures.empty());
    } else {
      ASSERT_EQ(failures.size(), 1u);
      EXPECT_EQ(failures[0].code, c.failure_code);
    }
  }
}

}  // namespace
}  // namespace mj
