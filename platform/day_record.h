// SPDX-License-Identifier: MIT
// The opener's record of days, kept per capsule root in the settings store:
// the last day whose run finished ("served through"), and the later days on
// which a run started and did not finish, so that the next run still owes
// them their files. The writer reads it too: a day already served has no run
// ahead of it.
//
// The default capsule root keeps the section "date", key "prev_date" that
// earlier versions wrote, so an existing settings file goes on working; any
// other root has a section of its own, named after a hash of its canonical
// path, which also holds the path itself for people reading the file.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "base/date.h"
#include "base/failure.h"

namespace mj::platform {

struct day_record {
  std::optional<date> served_through;  // none before the first finished run
  std::vector<date> unfinished;        // ascending; days whose run did not finish
};

// The path that keys a capsule root in the record and its run lock: the
// canonical path (symbolic links followed) when the folder is there, else the
// absolute path in normal form; without a final separator.
std::string canonical_root_path(const std::string& root_path);

// Reads the record of the capsule root `canonical_root`. A record that is
// there but cannot be read (an unreadable or damaged settings file, a value
// that is a list, a stored variant or no date) is a failure that names the
// settings file; a root without a record has an empty one.
result<day_record> read_day_record(const std::string& canonical_root);

// Notes that a run of `day` started on the root, and has not finished yet.
result<void> record_run_started(const std::string& canonical_root, date day);

// Notes that the run of `day` finished: the root is served through `day`, and
// no earlier unfinished day is owed any more.
result<void> record_day_served(const std::string& canonical_root, date day);

// The settings file (or registry key) the record lives in, for reports.
QString day_record_location();

// The stored form of a day: "yyyy/mm/dd".
std::string format_record_day(date d);

// A stored day back; nullopt for anything but "yyyy/mm/dd" (or "yyyy/m/d")
// within the years 100..9999.
std::optional<date> parse_record_day(std::string_view text);

}  // namespace mj::platform
