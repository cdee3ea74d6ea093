// The capsule scan: the schedule folders under the capsule root, the files
// lying directly in it, and every folder judged by its due test.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "opener/failure_sink.h"
#include "rules/folder_evaluation.h"

namespace mj {

struct scanned_folder {
  std::string name;  // exactly as listed: the files are looked up under it
  folder_evaluation evaluation;
};

struct capsule_scan {
  std::vector<std::string> root_files;  // names of the files lying in the capsule root
  std::vector<scanned_folder> folders;  // schedule folders, in listing order
};

// Lists `root` (a capsule root that is not there has no folders and no files),
// keeps the schedule folders, then has every folder judged with `missed_days`
// and `calendar`. Each failure goes to `report` and the scan goes on.
capsule_scan scan_capsule(const std::filesystem::path& root, long long missed_days,
                          const run_calendar& calendar, const failure_sink& report);

}  // namespace mj
