// SPDX-License-Identifier: MIT
#include "rules/schedule_words.h"

#include <gtest/gtest.h>

#include "base/wording.h"
#include "rules/test_support.h"

namespace mj {
namespace {

using testing::D;

std::string reading(const char* folder_name) {
  std::vector<failure> ignored;
  return describe_schedule(split_schedule_name(folder_name, 0, ignored), 1998).words;
}

schedule_description described(const char* folder_name) {
  std::vector<failure> ignored;
  return describe_schedule(split_schedule_name(folder_name, 0, ignored), 2026);
}

TEST(DescribeSchedule, EachFormInWords) {
  struct Case {
    const char* name;
    const char* words;
  };
  const Case kCases[] = {
      {"", "an empty rule name, read as day 0 of the month, which never comes"},
      {"-", "every file, at every run (day 0 of the month has always come)"},
      {"26-12-", "from day 12 of month 26, counted on from 1 January, to the end of the year"},
      {"TOMORROW", "each file on the day after it was stored"},
      {"TOMORROW=3", "each file on each of the 3 days after it was stored"},
      {"TOMORROW-", "every file stored before the day of the run, at every run"},
      {"EVERY MONTH", "each file again every month after the day it was stored"},
      {"EVERYDAY2=3+",
       "each file again every 2 days after the day it was stored, 3 days wide, catching up the "
       "days the opener missed"},
      {"YEAR1", "each file once it is 1 year old, at every run from then on"},
      {"YEAR1=7", "each file on each of the 7 days after it is 1 year old"},
      {"MONTH6-", "each file once it is 6 months old, at every run from then on"},
      {"SUNDAY", "every Sunday"},
      {"sunday@2=3+",
       "on the 2nd Sunday of each month, 3 days wide, catching up the days the opener missed"},
      {"SUNDAY@6", "never: no month has a week 6"},
      {"SUNDAY@2-", "from the 2nd Sunday of each month to the month's end"},
      {"SUNDAY-", "never: a weekday with a final \"-\" needs a week, such as \"Sun@2-\""},
      {"1998-12-25", "on Fri 25 Dec 1998"},
      {"98-12-25-", "from Fri 25 Dec 1998 on, at every run"},
      {"12-25", "on 25 December each year"},
      {"12-25-", "from 25 December each year to the end of the year"},
      {"2-30", "never: 30 February each year does not exist"},
      {"15", "on the 15th of each month"},
      {"31", "on the 31st of each month that has one"},
      {"15-", "from the 15th of each month to the month's end"},
      {"E", "on the last day of each month"},
      {"E2", "on the last day but one of each month"},
      {"E3-", "from the last day but 2 of each month to the month's end"},
      {"2-E", "on the last day of February each year"},
      {"1999-2-E2", "on Sat 27 Feb 1999"},
      {"12-25=0", "never: \"=0\" leaves no day to be due on"},
      {"SUNDAY@2=3+-",
       "from the 2nd Sunday of each month to the month's end (\"=\" and \"+\" change nothing "
       "before a final \"-\")"},
      {"FOO", "not a schedule name: \"FOO\" is read as day 0 of the month, which never comes"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(reading(c.name), c.words);
  }
  EXPECT_NE(reading("98-2-30").find("cannot be read"), std::string::npos);
}

// What the writer builds on: the sense of a name, its words told of one
// message, why it never opens and the day a full date names.
TEST(DescribeSchedule, SenseAndTheOneMessageReading) {
  struct Case {
    const char* name;
    schedule_sense sense;
    const char* message_words;  // or the reason for a name that never opens
    std::optional<date> own_day;
  };
  const Case kCases[] = {
      {"EVERY MONTH", schedule_sense::opens, "again every month after the day it was stored", {}},
      {"YEAR1-", schedule_sense::opens, "once it is 1 year old, at every run from then on", {}},
      {"E", schedule_sense::opens, "on the last day of each month", {}},
      {"26-12-25", schedule_sense::opens, "on Fri 25 Dec 2026", D("2026-12-25")},
      {"26-2-E-", schedule_sense::opens, "from Sat 28 Feb 2026 on, at every run", D("2026-02-28")},
      {"SUNDAY@6", schedule_sense::never, "no month has a week 6", {}},
      {"2-30", schedule_sense::never, "30 February each year does not exist", {}},
      {"FOO", schedule_sense::not_a_name, nullptr, {}},
      {"", schedule_sense::not_a_name, nullptr, {}},
      {"98-2-30", schedule_sense::unreadable, nullptr, {}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const schedule_description d = described(c.name);
    EXPECT_EQ(d.sense, c.sense);
    if (c.message_words) {
      EXPECT_EQ(c.sense == schedule_sense::never ? d.never_because : d.message_words,
                c.message_words);
    }
    EXPECT_EQ(d.own_day, c.own_day);
  }
}

// A wording that marks every text it translates and writes days as ISO
// dates: any English left unmarked, or a day not written by the wording,
// shows.
class marking_wording final : public wording {
 public:
  std::string translate(const char*, const char* english) const override {
    return std::string("<") + english + ">";
  }
  std::string day(date d) const override { return format_iso_date(d); }
};

TEST(DescribeSchedule, EverySentenceGoesThroughTheWording) {
  const marking_wording marking;
  use_wording(&marking);
  const std::string verdict =
      describe_verdict(evaluate_folder("TOMORROW=3", 0, make_run_calendar(D("1998-12-16"))));
  const std::string repeating = reading("EVERYDAY2=3+");
  const std::string full_date = reading("98-12-25-");
  use_wording(nullptr);
  EXPECT_EQ(verdict, "<due: files stored from 1998-12-13 to 1998-12-15>");
  EXPECT_EQ(repeating,
            "<each file <again <every <2 days>> after the day it was stored><, 3 days wide>"
            "<, catching up the days the opener missed>>");
  EXPECT_EQ(full_date, "<from 1998-12-25 on, at every run>");
}

TEST(DescribeVerdict, SaysWhichFilesOpen) {
  struct Case {
    const char* name;
    const char* words;
  };
  const Case kCases[] = {
      {"MONDAY", "not due"},
      {"12-16", "due: every file in the folder"},
      {"TOMORROW", "due: files stored on Tue 15 Dec 1998"},
      {"TOMORROW=3", "due: files stored from Sun 13 Dec 1998 to Tue 15 Dec 1998"},
      {"YEAR1", "due: files stored up to the end of Tue 16 Dec 1997"},
      {"EVERY MONTH 3",
       "due: files whose day comes round again (every 3 months) on Wed 16 Dec 1998"},
      {"YEAR9000", "due, but no file: its day lies outside the years 100 to 9999"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(describe_verdict(evaluate_folder(c.name, 0, make_run_calendar(D("1998-12-16")))),
              c.words);
  }
}

TEST(Ordinal, EndingsIncludingTheTeens) {
  const std::pair<int, const char*> kCases[] = {
      {1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},     {11, "11th"},
      {12, "12th"}, {13, "13th"}, {21, "21st"}, {102, "102nd"}, {0, "0th"}};
  for (const auto& [n, words] : kCases) EXPECT_EQ(ordinal(n), words);
}

}  // namespace
}  // namespace mj
