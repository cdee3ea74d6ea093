// SPDX-License-Identifier: MIT
// The opener's modes built on what a Linux desktop offers: the resident watch
// (`m_jar --watch`, which hears of sleep and sends its notices over D-Bus) and
// the calendar export (`m_jar --upcoming --ics`, written by libical). A build
// without them (Windows) links desktop_modes_other.cc, which says that the
// mode is not available there.
#pragma once

#include <QStringList>

#include "opener/upcoming.h"

namespace mj::opener {

// Stays running and makes the opener's run at each change of day; returns the
// program's exit status.
int run_watch_mode(int argc, char** argv, const QStringList& arguments);

// Writes `report` to stdout as an iCalendar file; returns the exit status.
int print_upcoming_calendar(const upcoming_report& report);

}  // namespace mj::opener
