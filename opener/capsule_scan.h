// SPDX-License-Identifier: MIT
// The capsule scan and the due-file selection: the schedule folders under the
// capsule root, every folder judged by its due test, and the files that open
// at this run, in the order they open.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/failure.h"
#include "rules/due_tests.h"

namespace mj::opener {

struct scanned_folder {
  std::string name;  // exactly as listed: the files are looked up under it
  folder_evaluation evaluation;
};

struct capsule_scan {
  std::vector<std::string> root_files;  // names of the files lying in the capsule root
  std::vector<scanned_folder> folders;  // schedule folders, in listing order
  // The capsule root could be listed. When it is missing or unreadable
  // nothing was examined, and a run must not count the day as done.
  bool root_listed = false;
};

// Lists `root` (a capsule root that is not there has no folders and no files),
// keeps the schedule folders, then has every folder judged with `missed_days`
// and `calendar`. Each failure goes to `report`, saying which folder of which
// capsule root it concerns, and the scan goes on.
capsule_scan scan_capsule(const std::filesystem::path& root, long long missed_days,
                          const run_calendar& calendar, const failure_sink& report);

struct queue_entry {
  std::string path;              // the full path handed to the desktop
  std::optional<size_t> folder;  // index into the scan's folders; none for a root file
};

struct opening_selection {
  std::vector<queue_entry> open_queue;
  // The due folder made current last: the programs that open the files start
  // there. Empty when no due folder could be made current.
  std::string working_folder;
  // Every due folder and every file time in it could be read. When one
  // could not, some of its files may be missing from the queue.
  bool complete = true;
};

// Queues the files of the capsule root, then folder by folder, in listing
// order, the files of each due folder that its due kind selects.
opening_selection select_due_files(const std::filesystem::path& root, const capsule_scan& scan,
                                   date today, const failure_sink& report);

// The paths of the files of one schedule folder: each `root / folder / file`,
// as the path joins them, and the check of its length, with the folder's
// part made once rather than once per file.
class folder_paths {
 public:
  folder_paths(const std::filesystem::path& root, const std::string& folder);
  const std::filesystem::path& folder() const { return folder_; }
  // The full path of the file `file`.
  std::string path_of(const std::string& file) const;
  // Done when the path of `file` is short enough; else its failure: no
  // program could be handed it. Such a file is passed over on its own; the
  // rest of its folder opens.
  result<void> past_limit(const std::string& file) const;

 private:
  std::filesystem::path root_;
  std::string name_;
  std::filesystem::path folder_;
  std::filesystem::path::string_type prefix_;  // the folder's path and a separator
};

}  // namespace mj::opener
