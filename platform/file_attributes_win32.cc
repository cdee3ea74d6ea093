// SPDX-License-Identifier: MIT
#include <windows.h>

#include "platform/file_attributes.h"
#include "platform/win32_errors.h"

namespace mj::platform {

result<int> attribute_word(const std::filesystem::path& path) {
  const DWORD word = GetFileAttributesW(path.c_str());
  if (word == INVALID_FILE_ATTRIBUTES) return win32_path_failure(path, GetLastError());
  return static_cast<int>(word);
}

bool is_system_file(const std::filesystem::path& path) {
  const DWORD word = GetFileAttributesW(path.c_str());
  return word != INVALID_FILE_ATTRIBUTES && (word & FILE_ATTRIBUTE_SYSTEM) != 0;
}

// The limit of paths with the "\\?\" prefix, the longest any call takes.
std::size_t longest_path() { return 32767 - 1; }

}  // namespace mj::platform
