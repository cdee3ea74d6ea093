// SPDX-License-Identifier: MIT
// What the schedule box tells the user: the schedule names proposed in its
// list, and a live reading of the name typed, in plain words, saying when a
// message stored under it now would open, or that it never would.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

#include "base/date.h"

namespace mj::writer {

// The choices in the order they are offered: the beginning of this month's
// date ("98-12-" in December 1998, for the user to add the day), the age
// forms, the weekdays, "TOMORROW" and the repeating forms; after each name
// that opens on single days, its form with "+" that also opens at the first
// run after such a day the computer was not used.
QStringList schedule_choices(date today);

enum class schedule_outlook {
  opens,        // a message stored now opens on some day within 100 years
  doubtful,     // it opens, but probably not as meant (`words` says why)
  never_opens,  // it would lie in the capsule and never open
  refused,      // the text cannot name a folder in the capsule at all
};

struct schedule_reading {
  schedule_outlook outlook;
  // Such as "Opens tomorrow, Tue 8 Dec 2026, if the computer is used that
  // day — TOMORROW+ also opens at the next run after"; a doubtful reading
  // adds a second line with what the name probably should be.
  QString words;
};

// Reads the schedule text as the opener will read its folder, for a message
// stored at `now`: from the same rules and the same forecast of daily runs,
// which begin today, or tomorrow when the opener's record says it has
// served today (`served_through`) already.
schedule_reading read_schedule(const QString& schedule, wall_time now,
                               std::optional<date> served_through = std::nullopt);

// A local date and time as the rules count it.
wall_time wall_time_of(const QDateTime& local);

}  // namespace mj::writer
