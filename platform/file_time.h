// SPDX-License-Identifier: MIT
// When a file in the capsule was last modified, as the due-file selection
// compares it with due days. Its POSIX and Windows halves also give today's
// local date (local_date.h): both read the system's local calendar.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/date.h"
#include "base/failure.h"

namespace mj::platform {

// The last-modified time of `path` in local time (a link is followed to its
// target). Fails with not_found when nothing is there, and with
// invalid_argument, naming the file and the year, when that time falls
// outside the years 100..9999: no schedule reaches such a file, and a later
// year must not wrap around into an early one.
result<wall_time> last_modified(const std::filesystem::path& path);

// For the two halves of last_modified: a local date and time as the system
// gives it in fields.
struct local_fields {
  long long year;
  unsigned month, day, hour, minute, second;
};

// The wall time of `local`, or the failure for `path` when its year lies
// outside the years 100..9999.
result<wall_time> file_wall_time(const std::filesystem::path& path, const local_fields& local);

// Whether the year of `local` lies within the years 100..9999, so that
// file_wall_time needs no path.
bool years_within_reach(const local_fields& local);

// The failure for `path` when its time, `seconds` since 1970 (UTC), lies
// beyond what the system's local calendar can express; the year it names is
// the nearest estimate.
failure file_time_out_of_reach(const std::filesystem::path& path, long long seconds);

struct timed_file {
  std::string name;
  result<wall_time> modified;
};

// The files of `folder` as list_folder lists them with listing_mask::files, in
// the same order, each with its time as last_modified reads it (or the reason
// it cannot be read), but read in the same pass over the folder and looked up
// in the open folder: for a look at the time of many files at once.
// Fails as list_folder does.
result<std::vector<timed_file>> list_files_with_times(const std::filesystem::path& folder);

}  // namespace mj::platform
