// SPDX-License-Identifier: MIT
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

TEST(ScheduleChoices, OffersTheSeventeenNamesAndTheCatchUpForms) {
  const QStringList expected = {
      u"98-12-"_s,       u"YEAR"_s,       u"MONTH"_s,      u"DAY"_s,         u"WEEK"_s,
      u"SUNDAY"_s,       u"SUNDAY+"_s,    u"MONDAY"_s,     u"MONDAY+"_s,     u"TUESDAY"_s,
      u"TUESDAY+"_s,     u"WEDNESDAY"_s,  u"WEDNESDAY+"_s, u"THURSDAY"_s,    u"THURSDAY+"_s,
      u"FRIDAY"_s,       u"FRIDAY+"_s,    u"SATURDAY"_s,   u"SATURDAY+"_s,   u"TOMORROW"_s,
      u"TOMORROW+"_s,    u"EVERYDAY"_s,   u"EVERY WEEK"_s, u"EVERY WEEK+"_s, u"EVERY MONTH"_s,
      u"EVERY MONTH+"_s, u"EVERY YEAR"_s, u"EVERY YEAR+"_s};
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
  constexpr schedule_outlook doubtful = schedule_outlook::doubtful;
  constexpr schedule_outlook never = schedule_outlook::never_opens;
  constexpr schedule_outlook refused = schedule_outlook::refused;
  const Case kCases[] = {
      {QString(), doubtful, "No schedule: opens at every run, from today on"},
      {u"TOMORROW"_s, opens,
       "Opens tomorrow, Tue 8 Dec 2026, if the computer is used that day — TOMORROW+ also opens "
       "at the next run after"},
      {u"tomorrow/"_s, opens,
       "Opens tomorrow, Tue 8 Dec 2026, if the computer is used that day — tomorrow+ also opens "
       "at the next run after"},
      {u"TOMORROW+"_s, opens, "Opens tomorrow, Tue 8 Dec 2026, or at the next run after it"},
      {u"2026-12-07"_s, opens,
       "Opens today, Mon 7 Dec 2026, if the computer is used that day — 2026-12-07+ also opens "
       "at the next run after"},
      // The completed date template: its century later reading is no opening.
      {u"26-12-7"_s, opens,
       "Opens today, Mon 7 Dec 2026, if the computer is used that day — 26-12-7+ also opens at "
       "the next run after"},
      {u"2026-12-25"_s, opens,
       "Opens on Fri 25 Dec 2026, if the computer is used that day — 2026-12-25+ also opens at "
       "the next run after"},
      {u"12-25"_s, opens,
       "Opens on 25 December each year — next: Fri 25 Dec 2026, if the computer is used that day "
       "— 12-25+ also opens at the next run after"},
      {u"12-25+"_s, opens,
       "Opens on 25 December each year, catching up the days the opener missed — next: Fri 25 "
       "Dec 2026, or at the next run after it"},
      {u"E-"_s, opens,
       "Opens from the last day of each month to the month's end — next: Thu 31 Dec 2026"},
      {u"SUNDAY@2"_s, opens,
       "Opens on the 2nd Sunday of each month — next: Sun 13 Dec 2026, if the computer is used "
       "that day — SUNDAY@2+ also opens at the next run after"},
      {u"MONDAY"_s, opens,
       "Opens every Monday — next: today, Mon 7 Dec 2026, if the computer is used that day — "
       "MONDAY+ also opens at the next run after"},
      {u"EVERY MONTH"_s, opens,
       "Opens again every month after the day it was stored — next: Thu 7 Jan 2027, if the "
       "computer is used that day — EVERY MONTH+ also opens at the next run after"},
      {u"YEAR"_s, doubtful,
       "Opens at every run from today on\nWithout a number it waits for nothing and opens at "
       "every run: did you mean YEAR1 (each file once it is 1 year old, at every run from then "
       "on)?"},
      {u"next week"_s, doubtful,
       "Opens on the last day of each month — next: Thu 31 Dec 2026, if the computer is used "
       "that day — next week+ also opens at the next run after\nThese words are read as a month "
       "end, for the letter E in them: did you mean WEEK1 (each file once it is 1 week old, at "
       "every run from then on)?"},
      {u"01.01.2027"_s, doubtful,
       "Opens on the 1st of each month — next: Fri 1 Jan 2027, if the computer is used that day "
       "— 01.01.2027+ also opens at the next run after\nOnly the number at its start is read, as "
       "a day of each month: did you mean 2027-1-1 (on Fri 1 Jan 2027)?"},
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

// After the opener's run of the day the message is stored on, that day has
// no run ahead: the reading counts from tomorrow.
TEST(ScheduleReading, AfterTodaysRunTodayIsOver) {
  struct Case {
    QString schedule;
    schedule_outlook outlook;
    const char* words;
  };
  const Case kCases[] = {
      {u"2026-12-07"_s, schedule_outlook::never_opens,
       "Never opens: today's run of the opener is over, and Mon 7 Dec 2026 has no other"},
      // Read as 2126 only a century on: for this message, never.
      {u"26-12-7"_s, schedule_outlook::never_opens,
       "Never opens: today's run of the opener is over, and Mon 7 Dec 2026 has no other"},
      {u"MONDAY"_s, schedule_outlook::opens,
       "Opens every Monday — next: Mon 14 Dec 2026, if the computer is used that day — MONDAY+ "
       "also opens at the next run after"},
      {u"2026-12-07=2"_s, schedule_outlook::opens,
       "Opens tomorrow, Tue 8 Dec 2026, if the computer is used that day — 2026-12-07=2+ also "
       "opens at the next run after"},
      {QString(), schedule_outlook::doubtful, "No schedule: opens at every run, from tomorrow on"},
      {u"DAY"_s, schedule_outlook::doubtful,
       "Opens at every run from tomorrow on\nWithout a number it waits for nothing and opens at "
       "every run: did you mean DAY1 (each file once it is 1 day old, at every run from then "
       "on)?"},
  };
  const date today{std::chrono::year{2026} / std::chrono::December / 7};
  const wall_time now = wall_time{today} + std::chrono::hours{14};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.schedule.toStdString());
    for (const date served : {today, today + std::chrono::days{3}}) {
      const schedule_reading reading = read_schedule(c.schedule, now, served);
      EXPECT_EQ(reading.words.toStdString(), c.words);
      EXPECT_EQ(reading.outlook, c.outlook);
    }
    // Served through yesterday only: today still has its run.
    EXPECT_NE(read_schedule(c.schedule, now, today - std::chrono::days{1}).words.toStdString(),
              c.words);
  }
}

// A message stored just before midnight opens "tomorrow" by the local date.
TEST(ScheduleReading, CountsDaysByTheLocalDateAndTime) {
  const QDateTime late(QDate(2026, 12, 31), QTime(23, 59, 59));
  EXPECT_EQ(wall_time_of(late),
            wall_time{date{std::chrono::year{2026} / 12 / 31}} + std::chrono::seconds{86399});
  EXPECT_TRUE(read_schedule(u"TOMORROW"_s, wall_time_of(late))
                  .words.startsWith(u"Opens tomorrow, Fri 1 Jan 2027,"_s));
}

}  // namespace
}  // namespace mj::writer
