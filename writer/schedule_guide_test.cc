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

// What the box says under a name, for a message stored on Monday 7 December
// 2026 at 14:00: one row per kind of reading.
TEST(ScheduleReading, SaysWhenAMessageStoredNowOpens) {
  struct Case {
    QString schedule;
    schedule_outlook outlook;
    const char* words;
  };
  constexpr schedule_outlook opens = schedule_outlook::opens;
  constexpr schedule_outlook never = schedule_outlook::never_opens;
  constexpr schedule_outlook refused = schedule_outlook::refused;
  const Case kCases[] = {
      {QString(), opens, "Opens in the capsule root at every run"},
      {u"TOMORROW"_s, opens, "Opens tomorrow, Tue 8 Dec 2026"},
      {u"tomorrow/"_s, opens, "Opens tomorrow, Tue 8 Dec 2026"},
      {u"2026-12-07"_s, opens, "Opens today, Mon 7 Dec 2026"},
      {u"2026-12-25"_s, opens, "Opens on Fri 25 Dec 2026"},
      {u"12-25"_s, opens, "Opens on 25 December each year — next: Fri 25 Dec 2026"},
      {u"E"_s, opens, "Opens on the last day of each month — next: Thu 31 Dec 2026"},
      {u"SUNDAY@2"_s, opens, "Opens on the 2nd Sunday of each month — next: Sun 13 Dec 2026"},
      {u"MONDAY"_s, opens, "Opens every Monday — next: today, Mon 7 Dec 2026"},
      {u"EVERY MONTH"_s, opens,
       "Opens again every month after the day it was stored — next: Thu 7 Jan 2027"},
      {u"YEAR"_s, opens, "Opens at every run from today on"},
      {u"EVERYDAY"_s, opens, "Opens at every run from tomorrow on"},
      {u"YEAR1"_s, opens, "Opens at every run from Tue 7 Dec 2027 on"},
      {u"26-12-"_s, never, "Incomplete date: add a day, such as 26-12-8"},
      {u"26-1-"_s, never, "Incomplete date: add a day"},
      {u"FOO"_s, never, "Not a schedule name: this message would never open"},
      {u"TOMORROW\\"_s, never, "Not a schedule name: this message would never open"},
      {u"2026-12-01"_s, never, "Never opens: Tue 1 Dec 2026 has passed"},
      {u"98-2-30"_s, never, "Never opens: 30 February 1998 does not exist"},
      {u"SUNDAY@6"_s, never, "Never opens: no month has a week 6"},
      {u"9999-12-31"_s, never, "Never opens in the next 100 years (on Fri 31 Dec 9999)"},
      {u"a/b"_s, never,
       "Not a schedule folder: the opener only opens folders right in the capsule root, so this "
       "message would never open"},
      {u".TOMORROW"_s, never,
       "Hidden folder: the opener passes over names that begin with \".\", so this message "
       "would never open"},
      {u".."_s, refused, "A schedule name cannot hold \"..\": it would lead out of the capsule."},
      {u"TOMORROW\n"_s, refused,
       "A schedule name cannot hold a line feed: remove it from the schedule box."},
  };
  const wall_time now =
      wall_time{date{std::chrono::year{2026} / std::chrono::December / 7}} + std::chrono::hours{14};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.schedule.toStdString());
    const schedule_reading reading = read_schedule(c.schedule, now);
    EXPECT_EQ(reading.words.toStdString(), c.words);
    EXPECT_EQ(reading.outlook, c.outlook);
  }
}

// A message stored just before midnight opens "tomorrow" by the local date.
TEST(ScheduleReading, CountsDaysByTheLocalDateAndTime) {
  const QDateTime late(QDate(2026, 12, 31), QTime(23, 59, 59));
  EXPECT_EQ(wall_time_of(late),
            wall_time{date{std::chrono::year{2026} / 12 / 31}} + std::chrono::seconds{86399});
  EXPECT_EQ(read_schedule(u"TOMORROW"_s, wall_time_of(late)).words.toStdString(),
            "Opens tomorrow, Fri 1 Jan 2027");
}

}  // namespace
}  // namespace mj::writer
