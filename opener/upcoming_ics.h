// SPDX-License-Identifier: MIT
// `m_jar --upcoming --ics`: the agenda of `m_jar --upcoming` as an iCalendar
// file (RFC 5545) for a desktop or phone calendar, built and written by
// libical.
#pragma once

#include <string>

#include "opener/upcoming.h"

namespace mj::opener {

// The most files an event's description names; the others are counted.
inline constexpr size_t kMostFilesNamed = 50;

// One all-day event per schedule folder and day with files to open: its
// summary names the folder and how many files open, its description lists
// them (relative to the folder, control characters escaped). The capsule
// root's own files, which open at every run, make no event. Each event's UID
// depends only on the capsule root, the folder and the day, so that a
// calendar that imports a later export again updates its events instead of
// adding them twice. `stamp` (the export's moment, UTC) goes into DTSTAMP.
// The files are listed again, with the run's own selection for each day.
std::string upcoming_ics(const upcoming_report& report, std::chrono::sys_seconds stamp);

// The UID of the event of `folder` on `day` in the capsule root `root`.
std::string event_uid(const std::string& root, const std::string& folder, date day);

}  // namespace mj::opener
