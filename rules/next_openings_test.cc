#include "rules/next_openings.h"

#include <gtest/gtest.h>

#include "rules/test_support.h"

namespace mj {
namespace {

using testing::D;

wall_time noon(const char* day) { return wall_time{D(day)} + std::chrono::hours{12}; }

std::vector<std::string> iso_days(const std::vector<date>& days) {
  std::vector<std::string> out;
  for (date d : days) out.push_back(format_iso_date(d));
  return out;
}

TEST(ForecastOpenings, FirstOpeningsOfEachKindOfName) {
  struct Case {
    const char* name;
    std::vector<std::string> openings;
    const char* every_run_from;  // nullptr: none
  };
  // Stored on Monday 7 December 2026 at noon.
  const Case kCases[] = {
      {"TOMORROW", {"2026-12-08"}, nullptr},
      {"TOMORROW=3", {"2026-12-08", "2026-12-09", "2026-12-10"}, nullptr},
      {"12-25", {"2026-12-25", "2027-12-25", "2028-12-25"}, nullptr},
      {"E", {"2026-12-31", "2027-01-31", "2027-02-28"}, nullptr},
      {"7", {"2026-12-07", "2027-01-07", "2027-02-07"}, nullptr},
      {"EVERY MONTH", {"2027-01-07", "2027-02-07", "2027-03-07"}, nullptr},
      {"SUNDAY@2", {"2026-12-13", "2027-01-10", "2027-02-14"}, nullptr},
      {"2026-12-24=2", {"2026-12-24", "2026-12-25"}, nullptr},
      {"YEAR1", {"2027-12-07"}, "2027-12-07"},
      {"EVERYDAY", {"2026-12-08"}, "2026-12-08"},
      {"", {"2026-12-07"}, "2026-12-07"},
      {"FOO", {}, nullptr},
      {"26-12-", {}, nullptr},
      {"2026-12-01", {}, nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const opening_forecast f = forecast_openings(c.name, noon("2026-12-07"), 3);
    EXPECT_EQ(iso_days(f.openings), c.openings);
    EXPECT_EQ(f.every_run_from ? format_iso_date(*f.every_run_from) : "",
              c.every_run_from ? c.every_run_from : "");
  }
}

TEST(ForecastOpenings, ReportsTheNamesFailures) {
  const opening_forecast f = forecast_openings("98-2-30", noon("2026-12-07"), 3);
  EXPECT_TRUE(f.openings.empty());
  ASSERT_EQ(f.failures.size(), 1u);
  EXPECT_EQ(f.failures[0].code, failure_code::type_mismatch);
}

}  // namespace
}  // namespace mj
