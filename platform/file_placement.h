// SPDX-License-Identifier: MIT
// Putting a finished file under its final name without ever replacing a file
// that already holds that name, so that two writers storing under one name at
// the same moment each keep their own file, and no half-written file is ever
// seen under a final name.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string_view>

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

// The writer writes a message under a staged name in its folder before it
// takes its real name: ".m_jarin-<process id>-<random hex>.part". Whether
// `name` (a file name, without folders) is such a name; the opener never
// opens one, finished or not.
bool is_staging_file_name(std::string_view name);

// The process id in a staged name, or nothing for another name.
std::optional<long long> staging_file_process(std::string_view name);

// Whether a process with the id `process` is running (one of another user
// counts too).
bool is_process_running(long long process);

// Removes the staged files in `folder` (one level, no subfolders) that a
// writer left behind when it was killed: those whose process is no longer
// running and that were last modified at least `min_age` ago (a writer of
// another process namespace may look gone while it writes). Never stored
// under a name of their own, they hold nothing that was kept. Returns how
// many were removed; a folder that cannot be read removes none.
int remove_stale_staging_files(const std::filesystem::path& folder,
                               std::chrono::seconds min_age = std::chrono::minutes{1});

}  // namespace mj::platform
