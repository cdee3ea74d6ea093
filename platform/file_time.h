// When a file in the capsule was last modified, as the due-file selection
// compares it with due days.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/date.h"
#include "base/failure.h"

namespace mj::platform {

// The last-modified time of `path` in local time (a link is followed to its
// target). Fails with not_found when nothing is there.
result<wall_time> last_modified(const std::filesystem::path& path);

struct timed_file {
  std::string name;
  result<wall_time> modified;
};

// The files of `folder` as list_folder lists them with listing_mask::files,
// in the same order, each with its time as last_modified reads it, but read
// in the same pass over the folder: for a look over many files at once.
// Fails as list_folder does.
result<std::vector<timed_file>> list_files_with_times(const std::filesystem::path& folder);

}  // namespace mj::platform
