// SPDX-License-Identifier: MIT
#include "platform/directory_listing.h"

#include <algorithm>
#include <system_error>

#include "base/visible_text.h"
#include "platform/file_attributes.h"
#include "platform/file_placement.h"

namespace mj::platform {

namespace {

failure listing_failure(const std::filesystem::path& folder, const std::error_code& error) {
  const bool missing =
      error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory;
  return make_failure(missing ? failure_code::not_found : failure_code::path_access,
                      printable_path(folder.string()) + " (" + error.message() + ")");
}

char folded(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool listed_as_file(const std::filesystem::directory_entry& entry) {
  std::error_code ignored;
  if (!entry.is_regular_file(ignored)) return false;  // follows a link to its target
  // A listing of files takes hidden files but not the system's own; a file
  // the writer is still writing (or left behind when killed) is not one of
  // the capsule's.
  return !is_staging_file_name(entry.path().filename().string()) && !is_system_file(entry.path());
}

}  // namespace

bool listing_order(const std::string& a, const std::string& b) {
  // Letters compared without case decide first, at the first place they
  // differ; then the shorter name; then the bytes themselves.
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(folded(a[i]));
    const auto y = static_cast<unsigned char>(folded(b[i]));
    if (x != y) return x < y;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

result<std::vector<std::string>> list_folder(const std::filesystem::path& folder,
                                             listing_mask mask) {
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  if (error) return listing_failure(folder, error);
  std::vector<std::string> names;
  for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (error) return listing_failure(folder, error);
    if (mask == listing_mask::files && !listed_as_file(*it)) continue;
    names.push_back(it->path().filename().string());
  }
  if (error) return listing_failure(folder, error);
  std::sort(names.begin(), names.end(), listing_order);
  return names;
}

}  // namespace mj::platform
