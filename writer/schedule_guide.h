// What the schedule box offers the user: the schedule names proposed in its
// list.
#pragma once

#include <QStringList>

#include "base/date.h"

namespace mj::writer {

// The 17 choices in the order they are offered: the beginning of this
// month's date ("98-12-" in December 1998, for the user to add the day),
// the age forms, the weekdays, "TOMORROW" and the repeating forms.
QStringList schedule_choices(date today);

}  // namespace mj::writer
