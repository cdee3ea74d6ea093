// SPDX-License-Identifier: MIT
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <filesystem>

#include "base/visible_text.h"
#include "base/wording.h"
#include "platform/open_file.h"
#include "platform/win32_errors.h"

namespace mj::platform {

namespace {

std::wstring wide_from_utf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end())).wstring();
}

}  // namespace

result<void> open_with_desktop(const std::string& path, const std::string& working_folder) {
  const std::wstring file = wide_from_utf8(path);
  const std::wstring folder = wide_from_utf8(working_folder);
  SetLastError(ERROR_SUCCESS);
  const HINSTANCE started =
      ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
  // ShellExecute returns a value above 32 on success, an error code otherwise.
  const auto code = reinterpret_cast<INT_PTR>(started);
  if (code > 32) return {};
  const DWORD error = GetLastError();
  const std::string reason =
      error != ERROR_SUCCESS
          ? win32_message(error)
          : fill(localized("mj::platform::open_file", "the shell could not open it, error %1"),
                 {std::to_string(code)});
  return make_failure(failure_code::path_access, printable_path(path) + " (" + reason + ")");
}

}  // namespace mj::platform
