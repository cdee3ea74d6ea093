// SPDX-License-Identifier: MIT
// How the opener names places in what people read: the capsule root with the
// home folder as "~", shown as `printable_path` shows paths.
#pragma once

#include <filesystem>
#include <string>

namespace mj::opener {

// `path` without its final separators (a lone "/" stays).
std::string without_final_separators(std::string path);

// How the capsule root is named to the user: its path, with the home folder
// as "~" and without the final separator, shown as `printable_path` shows paths.
std::string root_label(const std::filesystem::path& root);

// The same, with `home` as the home folder (none when empty).
std::string root_label(const std::filesystem::path& root, const std::string& home);

}  // namespace mj::opener
