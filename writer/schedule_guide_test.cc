#include "writer/schedule_guide.h"

#include <gtest/gtest.h>

namespace mj::writer {
namespace {

using namespace Qt::StringLiterals;

date day(int y, unsigned m, unsigned d) {
  return date{std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d}};
}

TEST(ScheduleChoices, DateEntryIsTwoDigitYearAndMonth) {
  struct Case {
    date today;
    const char* entry;
  };
  const Case kCases[] = {
      {day(1998, 12, 15), "98-12-"}, {day(1999, 1, 1), "99-1-"},  {day(2000, 1, 31), "00-1-"},
      {day(2001, 10, 9), "01-10-"},  {day(2105, 2, 28), "05-2-"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.entry);
    EXPECT_EQ(schedule_choices(c.today).front().toStdString(), c.entry);
  }
}

TEST(ScheduleChoices, OffersTheSeventeenNamesInOrder) {
  const QStringList expected = {u"98-12-"_s,    u"YEAR"_s,     u"MONTH"_s,      u"DAY"_s,
                                u"WEEK"_s,      u"SUNDAY"_s,   u"MONDAY"_s,     u"TUESDAY"_s,
                                u"WEDNESDAY"_s, u"THURSDAY"_s, u"FRIDAY"_s,     u"SATURDAY"_s,
                                u"TOMORROW"_s,  u"EVERYDAY"_s, u"EVERY WEEK"_s, u"EVERY MONTH"_s,
                                u"EVERY YEAR"_s};
  EXPECT_EQ(schedule_choices(day(1998, 12, 15)).join(u'|').toStdString(),
            expected.join(u'|').toStdString());
}

}  // namespace
}  // namespace mj::writer
