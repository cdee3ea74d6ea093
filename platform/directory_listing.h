// SPDX-License-Identifier: MIT
// Listing one folder of the capsule, always in the same order on every
// machine, so that every run opens files in a predictable sequence.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/failure.h"

namespace mj::platform {

enum class listing_mask {
  all_entries,  // folders and files alike; "." and ".." left out
  files,        // ordinary and hidden files, a link to one included
};

// The entry names of `folder` sorted by name: letters A-Z compared without
// case first, then byte by byte. Fails with not_found when the folder is not
// there, path_access when it cannot be read.
result<std::vector<std::string>> list_folder(const std::filesystem::path& folder,
                                             listing_mask mask);

// The listing order: true when `a` comes before `b`.
bool listing_order(const std::string& a, const std::string& b);

}  // namespace mj::platform
