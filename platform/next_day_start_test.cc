// SPDX-License-Identifier: MIT
#include "platform/next_day_start.h"

#include <gtest/gtest.h>

namespace mj::platform {
namespace {

// Instants compared as UTC text, whatever zone or offset they carry.
std::string utc_text(const QDateTime& t) {
  return QDateTime::fromMSecsSinceEpoch(t.toMSecsSinceEpoch(), Qt::UTC)
      .toString(Qt::ISODateWithMs)
      .toStdString();
}

QDateTime instant(const char* iso_with_offset) {
  const QDateTime t = QDateTime::fromString(QString::fromLatin1(iso_with_offset), Qt::ISODate);
  EXPECT_TRUE(t.isValid()) << iso_with_offset;
  return t.toUTC();
}

// "Now" and the expected start of the next day, both written with the
// offset of the wall clock at that instant, so that the rows read as the
// clocks of the zone show them.
struct next_day_case {
  const char* name;
  const char* zone;
  const char* now;
  const char* next_day_starts;
};

const next_day_case kCases[] = {
    // Clocks that skip midnight: the day begins at 01:00.
    {"Havana, spring change at midnight, at noon the day before", "America/Havana",
     "2027-03-13T12:00:00-05:00", "2027-03-14T01:00:00-04:00"},
    {"Havana, ten seconds before the skipped midnight", "America/Havana",
     "2027-03-13T23:59:50-05:00", "2027-03-14T01:00:00-04:00"},
    {"Havana, the day after the change", "America/Havana", "2027-03-14T01:00:01-04:00",
     "2027-03-15T00:00:00-04:00"},
    {"Beirut, spring change at midnight", "Asia/Beirut", "2027-03-27T08:30:00+02:00",
     "2027-03-28T01:00:00+03:00"},
    {"Santiago, spring change at midnight", "America/Santiago", "2027-09-04T18:00:00-04:00",
     "2027-09-05T01:00:00-03:00"},
    {"Cairo, spring change at midnight", "Africa/Cairo", "2027-04-29T20:00:00+02:00",
     "2027-04-30T01:00:00+03:00"},
    // Clocks set back from 23:59:59 to 23:00: the evening is an hour longer
    // and the day begins at the one midnight after it.
    {"Santiago, autumn change, before it", "America/Santiago", "2027-04-03T12:00:00-03:00",
     "2027-04-04T00:00:00-04:00"},
    {"Santiago, autumn change, in the repeated hour", "America/Santiago",
     "2027-04-03T23:30:00-04:00", "2027-04-04T00:00:00-04:00"},
    {"Cairo, autumn change", "Africa/Cairo", "2027-10-28T12:00:00+03:00",
     "2027-10-29T00:00:00+02:00"},
    {"Beirut, autumn change", "Asia/Beirut", "2027-10-30T22:00:00+03:00",
     "2027-10-31T00:00:00+02:00"},
    // Clocks set back from 00:59:59 to 00:00: midnight comes twice. The day
    // begins at the first; from the repeated hour on, the next day is the
    // one after.
    {"Havana, midnight twice, the evening before", "America/Havana", "2027-11-06T20:00:00-04:00",
     "2027-11-07T00:00:00-04:00"},
    {"Havana, midnight twice, in the first hour after it", "America/Havana",
     "2027-11-07T00:30:00-04:00", "2027-11-08T00:00:00-05:00"},
    {"Havana, midnight twice, in the repeated hour", "America/Havana", "2027-11-07T00:30:00-05:00",
     "2027-11-08T00:00:00-05:00"},
    // A whole day skipped: Samoa went from 29 to 31 December 2011.
    {"Apia, the skipped 30 December", "Pacific/Apia", "2011-12-29T12:00:00-10:00",
     "2011-12-31T00:00:00+14:00"},
    // Ordinary days, and changes that leave midnight alone.
    {"Berlin, an ordinary day", "Europe/Berlin", "2027-06-10T15:00:00+02:00",
     "2027-06-11T00:00:00+02:00"},
    {"Berlin, the night of the spring change at 02:00", "Europe/Berlin",
     "2027-03-27T23:00:00+01:00", "2027-03-28T00:00:00+01:00"},
    {"Berlin, the day of the spring change: 23 hours", "Europe/Berlin", "2027-03-28T00:00:00+01:00",
     "2027-03-29T00:00:00+02:00"},
    {"Berlin, the last millisecond of a day", "Europe/Berlin", "2027-06-10T23:59:59.999+02:00",
     "2027-06-11T00:00:00+02:00"},
    {"UTC, 31 December", "UTC", "2026-12-31T23:00:00Z", "2027-01-01T00:00:00Z"},
    {"an unknown zone counts as UTC", "No/Such_Zone", "2027-02-28T10:00:00Z",
     "2027-03-01T00:00:00Z"},
};

TEST(next_day_start, table) {
  for (const next_day_case& c : kCases) {
    SCOPED_TRACE(c.name);
    const QTimeZone zone(QByteArray(c.zone));
    if (QByteArray(c.zone) != "No/Such_Zone" && !zone.isValid()) {
      ADD_FAILURE() << "the zone " << c.zone << " is not in the time zone data";
      continue;
    }
    const QDateTime got = next_day_start(instant(c.now), zone);
    EXPECT_EQ(utc_text(got), utc_text(instant(c.next_day_starts)));
  }
}

// The answer is the first instant of a later date: just before it the date
// is still today's, and at it the date has moved on. Swept over every hour
// of 2027 in the zones whose clocks skip or repeat midnight.
TEST(next_day_start, sweep_over_a_year) {
  for (const char* name : {"America/Havana", "Asia/Beirut", "America/Santiago", "Africa/Cairo",
                           "Europe/Berlin", "Australia/Lord_Howe"}) {
    SCOPED_TRACE(name);
    const QTimeZone zone{QByteArray(name)};
    ASSERT_TRUE(zone.isValid());
    const QDateTime year_start = QDateTime(QDate(2027, 1, 1), QTime(0, 30), QTimeZone::utc());
    for (int hour = 0; hour < 365 * 24; hour += 1) {
      const QDateTime now = year_start.addSecs(hour * 3600LL);
      const QDate today = now.toTimeZone(zone).date();
      const QDateTime start = next_day_start(now, zone);
      ASSERT_GT(start, now) << now.toString(Qt::ISODate).toStdString();
      ASSERT_GT(start.toTimeZone(zone).date(), today) << now.toString(Qt::ISODate).toStdString();
      ASSERT_LE(start.addMSecs(-1).toTimeZone(zone).date(), today)
          << now.toString(Qt::ISODate).toStdString();
      ASSERT_LE(now.secsTo(start), 26 * 3600) << now.toString(Qt::ISODate).toStdString();
    }
  }
}

}  // namespace
}  // namespace mj::platform
