// SPDX-License-Identifier: MIT
// `m_jar --upcoming`, the output: the look-ahead of opener/upcoming_days.h as
// text for a terminal or as one line of JSON (upcoming_ics.h makes the
// iCalendar file).
#pragma once

#include <ostream>
#include <string>

#include "opener/upcoming_days.h"

namespace mj::opener {

// The agenda by day for a terminal (the capsule root's own files, which open
// every day, said once), then the closed folders, the files dated in the
// future and the problems. Control characters in names are escaped.
std::string upcoming_text(const upcoming_report& report);
// The same text written to `out` piece by piece.
void write_upcoming_text(std::ostream& out, const upcoming_report& report);

// One JSON object on one line (without the line break): root, today, days
// [{date, folders: [{name, files}]}] with the capsule root's files under the
// name "", never [{name, why}], future_files [{path, modified}], failures.
std::string upcoming_json(const upcoming_report& report);
// The same object and a line break written to `out` piece by piece: ten
// years over a large capsule make tens of megabytes.
void write_upcoming_json(std::ostream& out, const upcoming_report& report);

}  // namespace mj::opener
