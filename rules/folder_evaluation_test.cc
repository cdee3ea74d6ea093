#include "rules/folder_evaluation.h"

#include <gtest/gtest.h>

#include <random>

#include "rules/test_support.h"

namespace mj {
namespace {

using testing::D;

folder_evaluation on(const char* today, const char* folder, long long missed = 0) {
  return evaluate_folder(folder, missed, make_run_calendar(D(today)));
}

TEST(EvaluateFolder, SplitsAndPicksTheTestByTheMinusMark) {
  const folder_evaluation e = on("1998-12-16", "Sunday@2=3+-", 4);
  EXPECT_EQ(e.name.rule_name, "SUNDAY");
  EXPECT_TRUE(e.name.minus);
  EXPECT_TRUE(e.name.plus);
  EXPECT_EQ(e.name.period, 3);
  EXPECT_EQ(e.name.period2, 6);
  EXPECT_EQ(e.name.mweek, 2);
  EXPECT_EQ(e.test, due_test::after);
  EXPECT_EQ(e.result.flag, kWholeFolder);  // second Sunday, 13 December, has come
  EXPECT_TRUE(e.failures.empty());

  // Without the minus mark the same name is due only on a day of its window.
  EXPECT_EQ(on("1998-12-16", "Sunday@2=3+", 0).result.flag, kNotDue);
  EXPECT_EQ(on("1998-12-16", "Sunday@2=3+", 1).result.flag, kWholeFolder);
}

// Each folder name with the days it is due on and days it is not.
TEST(EvaluateFolder, NamesFallDueOnTheirDays) {
  struct Case {
    const char* folder;
    long long missed;
    std::vector<const char*> due;
    std::vector<const char*> not_due;
  };
  const Case kCases[] = {
      {"98-12-25", 0, {"1998-12-25"}, {"1998-12-24", "1998-12-26", "1999-12-25"}},
      {"1998-12-25=3", 0, {"1998-12-25", "1998-12-26", "1998-12-27"}, {"1998-12-24", "1998-12-28"}},
      {"12-25+", 0, {"1998-12-25", "2005-12-25"}, {"1998-12-26"}},
      {"12-25+", 2, {"1998-12-26", "1998-12-27"}, {"1998-12-28"}},
      {"15", 0, {"1998-12-15", "1999-02-15"}, {"1998-12-14", "1998-12-16"}},
      {"E", 0, {"1998-12-31", "1999-02-28", "2000-02-29"}, {"1998-12-30", "2000-02-28"}},
      {"e1", 0, {"1998-12-31"}, {"1998-12-30"}},
      {"E3", 0, {"1999-01-29", "1999-02-26"}, {"1999-01-31"}},
      {"2-E", 0, {"1999-02-28", "2000-02-29"}, {"1999-03-01"}},
      {"1999-2-E2", 0, {"1999-02-27"}, {"1999-02-28", "2000-02-28"}},
      {"sunday", 0, {"1998-12-13", "1998-12-20"}, {"1998-12-14"}},
      {"SUNDAY@2", 0, {"1998-12-13", "1999-01-10"}, {"1998-12-06", "1998-12-20"}},
      {"12-25-", 0, {"1998-12-25", "1998-12-31"}, {"1998-12-24", "1999-01-01"}},
      {"98-12-", 0, {}, {"1998-12-16", "1998-12-31"}},
      // Names the writer proposes keep reading as the year they were written in.
      {"30-1-15", 0, {"2030-01-15"}, {"2030-01-14", "2030-01-16"}},
      {"\xEF\xBC\xA5\xEF\xBC\xB6\xEF\xBC\xA5\xEF\xBC\xB2\xEF\xBC\xB9\xEF\xBC\xA4\xEF\xBC\xA1\xEF"
       "\xBC\xB9",
       0,
       {},
       {"1998-12-15", "1998-12-31"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.folder) + " missed " + std::to_string(c.missed));
    for (const char* day : c.due) {
      SCOPED_TRACE(day);
      EXPECT_EQ(on(day, c.folder, c.missed).result.flag, kWholeFolder);
    }
    for (const char* day : c.not_due) {
      SCOPED_TRACE(day);
      EXPECT_EQ(on(day, c.folder, c.missed).result.flag, kNotDue);
    }
  }
}

TEST(EvaluateFolder, RangesOfTheFormsThatSelectFiles) {
  struct Case {
    const char* folder;
    int16_t flag;
    const char* from;
    const char* to;
    int16_t interval;
  };
  const Case kCases[] = {
      {"TOMORROW", kWithinRange, "1998-12-15", "1998-12-15", 0},
      {"EVERY MONTH", kRepeating, "1998-12-16", "1998-12-16", 1},
      {"EVERYDAY2", kRepeating, "1998-12-16", "1998-12-16", 2},
      {"YEAR1", kUpToDay, "1997-12-16", "1997-12-16", 0},
      {"YEAR1=7", kWithinRange, "1997-12-10", "1997-12-16", 0},
      {"TOMORROW-", kUpToDay, "1998-12-15", "1899-12-30", 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.folder);
    const folder_evaluation e = on("1998-12-16", c.folder);
    EXPECT_EQ(e.result.flag, c.flag);
    EXPECT_EQ(format_iso_date(e.result.time_stamp), c.from);
    EXPECT_EQ(format_iso_date(e.result.time_stamp_to), c.to);
    EXPECT_EQ(e.result.interval, c.interval);
  }
}

TEST(EvaluateFolder, FailuresAreCollectedInOrderAndEndOnlyTheirStep) {
  const folder_evaluation e = on("1998-12-16", "EVERYDAY99999=40000");
  ASSERT_EQ(e.failures.size(), 2u);
  EXPECT_EQ(e.failures[0].code, kOverflow);  // the period, in the split
  EXPECT_EQ(e.failures[1].code, kOverflow);  // the repeat step, in the test
  EXPECT_EQ(e.result.flag, kNotDue);
  EXPECT_EQ(e.result.interval, 0);

  const folder_evaluation bad_date = on("1998-12-16", "1998-13-45");
  ASSERT_EQ(bad_date.failures.size(), 1u);
  EXPECT_EQ(bad_date.failures[0].code, kTypeMismatch);
  EXPECT_FALSE(bad_date.failures[0].description.empty());
}

// Whatever the bytes of a name, the evaluation ends with a due kind 0..4, a
// repeating kind with a step of at least 1, and dates inside the supported
// years or the zero date.
TEST(EvaluateFolder, ArbitraryNamesKeepTheInvariants) {
  std::mt19937 random(20261207);
  const std::string alphabet = "EVERYDAYMONTHWEEKSUNDAY0123456789-+=@ .E\xEF\xBC\xA5\x80\xFF\t";
  for (int i = 0; i < 20000; ++i) {
    std::string name;
    const int length = static_cast<int>(random() % 24);
    for (int j = 0; j < length; ++j) name += alphabet[random() % alphabet.size()];
    const date today =
        D("1998-12-16") + std::chrono::days{static_cast<int>(random() % 4000) - 2000};
    const long long missed = random() % 3 == 0 ? random() % 40000 : 0;
    SCOPED_TRACE(name);
    const folder_evaluation e = evaluate_folder(name, missed, make_run_calendar(today));
    ASSERT_GE(e.result.flag, 0);
    ASSERT_LE(e.result.flag, 4);
    if (e.result.flag == kRepeating) {
      ASSERT_GE(e.result.interval, 1);
    }
    for (date d : {e.result.time_stamp, e.result.time_stamp_to}) {
      ASSERT_TRUE(d == zero_date || in_supported_range(d));
    }
  }
}

}  // namespace
}  // namespace mj
