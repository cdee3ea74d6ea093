// SPDX-License-Identifier: MIT
// Windows system errors in this layer's terms: the system's own words for an
// error code, and the failure for a path after one. For the *_win32.cc files.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "base/failure.h"

namespace mj::platform {

// The system's own words for `error` (a GetLastError code) in UTF-8, without
// the line break Windows ends them with.
inline std::string win32_message(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  if (length == 0) return "system error " + std::to_string(error);
  std::wstring words(text, length);
  LocalFree(text);
  while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r')) words.pop_back();
  const std::u8string utf8 = std::filesystem::path(words).u8string();
  return std::string(utf8.begin(), utf8.end());
}

// not_found for a path that is not there (its folder included), path_access
// otherwise, with the path and the system's own words.
inline failure win32_path_failure(const std::filesystem::path& path, DWORD error) {
  const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  return make_failure(missing ? failure_code::not_found : failure_code::path_access,
                      path.string() + " (" + win32_message(error) + ")");
}

}  // namespace mj::platform
