// SPDX-License-Identifier: MIT
// Where the capsule root is: the one rule both programs follow to turn a
// location text (from the command line) into the folder that holds the
// schedule folders.
#pragma once

#include <string>
#include <string_view>

namespace mj::platform {

struct capsule_location {
  std::string drive;      // "C:" on Windows; empty on POSIX systems
  std::string root_path;  // always ends in the separator, so names can be appended

  std::string full_path() const { return drive + root_path; }
};

// Windows: an empty text is "\Morrowjar\" on the drive of `system_directory`;
// one character names a drive ("D" -> "D:"), as does "D:"; two other characters
// are a folder on the system directory's drive; three or more are a drive (the
// first two characters) and a folder (the rest).
capsule_location resolve_capsule_root_windows(std::string_view location,
                                              std::string_view system_directory);

// POSIX: an empty text is "Morrowjar/" in `home`; any other text is the path of
// the capsule root, taken relative to `current_dir` when not absolute.
capsule_location resolve_capsule_root_posix(std::string_view location, std::string_view home,
                                            std::string_view current_dir);

// The rule of the platform this program runs on, with its home or system
// directory and current folder.
capsule_location resolve_capsule_root(std::string_view location);

// The home folder that reports show as "~" (HOME), or empty when none is set.
std::string home_for_labels();

// Leading and trailing blanks (spaces and tabs) removed.
std::string_view trim_blanks(std::string_view text);

}  // namespace mj::platform
