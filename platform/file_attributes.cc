// SPDX-License-Identifier: MIT
#include "platform/file_attributes.h"

#include <cerrno>
#include <cstring>

#include "base/passed_over.h"
#include "base/visible_text.h"

namespace mj::platform {

failure path_failure(const std::filesystem::path& path, int error_number) {
  const bool missing = error_number == ENOENT || error_number == ENOTDIR;
  return make_failure(missing ? failure_code::not_found : failure_code::path_access,
                      printable_path(path.string()) + " (" + std::strerror(error_number) + ")");
}

result<bool> is_schedule_folder(const std::filesystem::path& parent, const std::string& name) {
  if (name.empty() || is_passed_over_name(name)) return false;
  const result<int> word = attribute_word(parent / name);
  if (!word.ok()) return word.error();
  return is_schedule_folder_word(*word);
}

}  // namespace mj::platform
