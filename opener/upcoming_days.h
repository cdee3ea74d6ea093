// SPDX-License-Identifier: MIT
// `m_jar --upcoming`, the model: what daily runs of the opener (one run each
// day, none missed) would open over the next days, folder by folder; then the
// folders that will not open again within the forecast, and the files dated
// in the future. The tree is read once, however many days are judged: the
// run's own scan lists the folders, every file time is read once, and each
// folder's days are then judged in memory with the run's due tests and
// due-file rule. opener/upcoming.h writes the result as text or JSON.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/date.h"
#include "base/failure.h"
#include "rules/due_tests.h"

namespace mj::opener {

inline constexpr int kDefaultUpcomingDays = 30;
inline constexpr int kMostUpcomingDays = 3660;  // ten years

// The `folder` of the capsule root's own files, which open at every run.
inline constexpr int kCapsuleRootFiles = -1;

// How many files of one folder the run of a day opens.
struct folder_openings {
  int folder = kCapsuleRootFiles;  // index into upcoming_report::folders
  size_t files = 0;
};

struct upcoming_day {
  date day;
  // Folders with files to open: the capsule root first, then the schedule
  // folders in listing order, as the run queues them.
  std::vector<folder_openings> openings;
};

// A schedule folder none of whose files, nor any stored from now on, would
// open within the forecast, or whose files cannot be listed.
struct closed_folder {
  std::string name;
  std::string why;  // in words, for people
};

struct future_file {
  std::string path;
  wall_time modified;
};

struct upcoming_report {
  std::string root;  // the capsule root's full path
  date today{};
  std::vector<std::string> folders;  // the schedule folders, in listing order
  std::vector<upcoming_day> days;    // one per day judged, from today on
  std::vector<closed_folder> never;
  std::vector<future_file> future_files;
  std::vector<failure> failures;  // every failure, the silent ones included
};

// How many files of one schedule folder the run of each day opens, day i
// being `first` + i days, judged with verdicts[i] (as due_on_run gives them,
// without missed days): the same files as the run queues with file_is_due,
// counted from the folder's file times (`times`, ascending) at once. A
// verdict that takes every file counts all `listed` files, those whose time
// could not be read included.
std::vector<size_t> files_opened_each_day(size_t listed, const std::vector<wall_time>& times,
                                          std::optional<date_unit> repeat_unit,
                                          const std::vector<day_verdict>& verdicts, date first);

// The next `day_count` days, from `today` on, of the capsule root at `location`
// (a location text as `--dry-run` takes it); days past the year 9999 are left
// out. A folder counts as never opening only when no file stored from `now`
// on would open either; files dated after `today` are in the future.
upcoming_report look_ahead(std::string_view location, date today, int day_count, wall_time now);

}  // namespace mj::opener
