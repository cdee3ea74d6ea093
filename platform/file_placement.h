// Putting a finished file under its final name without ever replacing a file
// that already holds that name, so that two writers storing under one name at
// the same moment each keep their own file, and no half-written file is ever
// seen under a final name.
#pragma once

#include <filesystem>

#include "base/failure.h"

namespace mj::platform {

enum class placement {
  placed,      // the file now has the name; its staged name is gone
  name_taken,  // something already has the name; nothing was changed
};

// How the name is taken. Both refuse a taken name in the same single step.
enum class placement_call {
  // A rename that refuses to replace (renameat2 with RENAME_NOREPLACE on
  // Linux, MoveFileExW without MOVEFILE_REPLACE_EXISTING on Windows). Where
  // the file system has no such rename, a hard link is made instead.
  rename_no_replace,
  // A hard link to the staged file under the name, then the staged name
  // removed.
  hard_link,
};

// Gives the complete file `staged` the name `target`, in the same folder,
// unless something (a file, a folder, a dangling link) already has that name.
// Any other obstacle is a path_access failure naming `target` and the
// system's reason; `staged` is then left as it was.
result<placement> place_without_replacing(const std::filesystem::path& staged,
                                          const std::filesystem::path& target,
                                          placement_call call = placement_call::rename_no_replace);

}  // namespace mj::platform
