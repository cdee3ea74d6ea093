// SPDX-License-Identifier: MIT
// The attribute word of a path, as both programs judge folders and files by
// it. A schedule folder is a path whose word is exactly kDirectory.
#pragma once

#include <filesystem>
#include <string>

#include "base/failure.h"

namespace mj::platform {

enum file_attribute : int {
  kReadOnly = 1,
  kHidden = 2,
  kSystem = 4,
  kDirectory = 16,
  kArchive = 32,
  kReparsePoint = 1024,  // a symbolic link: never a schedule folder
};

// POSIX: a real directory is kDirectory; a directory its owner cannot write
// adds kReadOnly; a name beginning with "." adds kHidden; a symbolic link is
// kReparsePoint plus the word of what it points to (nothing when dangling).
// Regular files are 0 plus the same read-only and hidden bits; anything else
// (devices, sockets, pipes) counts as kSystem.
// Fails with not_found when nothing is there, path_access when the path
// cannot be examined.
result<int> attribute_word(const std::filesystem::path& path);

// Whether a folder whose attribute word is `word` is one the opener takes:
// exactly kDirectory, without read-only, hidden, system or archive marks and
// not a symbolic link.
constexpr bool is_schedule_folder_word(int word) { return word == kDirectory; }

// Whether `name` in `parent` is a schedule folder: a name the opener does not
// pass over (is_passed_over_name) and a schedule folder's attribute word.
result<bool> is_schedule_folder(const std::filesystem::path& parent, const std::string& name);

// Whether the regular file `path` is one the system keeps for itself and a
// listing of files leaves out: on Windows one with the system attribute
// (desktop.ini, Thumbs.db); never on POSIX systems, which have no such mark.
bool is_system_file(const std::filesystem::path& path);

// The longest path, in the system's own units (bytes on POSIX systems, UTF-16
// units on Windows), that the system takes whole, as a file opened by name
// must be named: PATH_MAX less its final NUL on POSIX systems.
std::size_t longest_path();

// The failure for `path` after the system's error `error_number` (errno):
// not_found for a missing path, path_access otherwise, with the path and the
// system's own words.
failure path_failure(const std::filesystem::path& path, int error_number);

}  // namespace mj::platform
