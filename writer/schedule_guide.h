// What the schedule box tells the user: the schedule names proposed in its
// list, and a live reading of the name typed, in plain words, saying when a
// message stored under it now would open, or that it never would.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "base/date.h"

namespace mj::writer {

// The 17 choices in the order they are offered: the beginning of this
// month's date ("98-12-" in December 1998, for the user to add the day),
// the age forms, the weekdays, "TOMORROW" and the repeating forms.
QStringList schedule_choices(date today);

enum class schedule_outlook {
  opens,        // a message stored now opens on some day within 100 years
  never_opens,  // it would lie in the capsule and never open
  refused,      // the text cannot name a folder in the capsule at all
};

struct schedule_reading {
  schedule_outlook outlook;
  QString words;  // one line, such as "Opens tomorrow, Tue 8 Dec 2026"
};

// Reads the schedule text as the opener will read its folder, for a message
// stored at `now`: from the same rules and the same forecast of daily runs.
schedule_reading read_schedule(const QString& schedule, wall_time now);

// A local date and time as the rules count it.
wall_time wall_time_of(const QDateTime& local);

}  // namespace mj::writer
