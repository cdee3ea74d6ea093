// SPDX-License-Identifier: MIT
#include "platform/capsule_root.h"

#include <cstdlib>
#include <filesystem>

namespace mj::platform {

namespace {

constexpr std::string_view kDefaultFolder = "Morrowjar";

// A location without a final separator names the folder itself; without this,
// schedule names would be glued onto its last part ("D:\CapsTOMORROW").
std::string with_final_separator(std::string path, char separator) {
  if (path.empty() || (path.back() != separator && path.back() != '/')) path += separator;
  return path;
}

std::string drive_of(std::string_view system_directory) {
  return std::string(system_directory.substr(0, 2));
}

}  // namespace

std::string_view trim_blanks(std::string_view text) {
  const size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

capsule_location resolve_capsule_root_windows(std::string_view location,
                                              std::string_view system_directory) {
  const std::string default_root = "\\" + std::string(kDefaultFolder) + "\\";
  if (location.empty()) return {drive_of(system_directory), default_root};
  if (location.size() == 1) return {std::string(location) + ":", default_root};
  if (location.size() == 2) {
    if (location[1] == ':') return {std::string(location), default_root};
    return {drive_of(system_directory), with_final_separator(std::string(location), '\\')};
  }
  return {std::string(location.substr(0, 2)),
          with_final_separator(std::string(location.substr(2)), '\\')};
}

capsule_location resolve_capsule_root_posix(std::string_view location, std::string_view home,
                                            std::string_view current_dir) {
  std::filesystem::path root;
  if (location.empty()) {
    root = std::filesystem::path(home) / kDefaultFolder;
  } else {
    root = std::filesystem::path(location);
    if (root.is_relative()) root = std::filesystem::path(current_dir) / root;
  }
  return {"", with_final_separator(root.lexically_normal().string(), '/')};
}

std::string home_for_labels() {
  const char* home = std::getenv("HOME");
  return home != nullptr ? home : "";
}

}  // namespace mj::platform
