// The schedule names the writer offers in its schedule box.
#pragma once

#include <QStringList>

#include "rules/calendar.h"

namespace mj::writer {

// The 17 choices in the order they are offered: the beginning of this
// month's date ("98-12-" in December 1998, for the user to add the day),
// the age forms, the weekdays, "TOMORROW" and the repeating forms.
QStringList schedule_choices(date today);

}  // namespace mj::writer
