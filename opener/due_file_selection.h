// The due-file selection: which files of the due folders open at this run,
// appended to the opening queue after the capsule root's own files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "opener/capsule_scan.h"
#include "opener/failure_sink.h"

namespace mj {

struct queue_entry {
  std::string path;              // the full path handed to the desktop
  std::optional<size_t> folder;  // index into the scan's folders; none for a root file
};

struct opening_selection {
  std::vector<queue_entry> open_queue;
  // The due folder made current last: the programs that open the files start
  // there. Empty when no due folder could be made current.
  std::string working_folder;
};

// Queues the files of the capsule root, then folder by folder, in listing
// order, the files of each due folder that its due kind selects.
opening_selection select_due_files(const std::filesystem::path& root, const capsule_scan& scan,
                                   date today, const failure_sink& report);

}  // namespace mj
