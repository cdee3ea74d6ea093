// SPDX-License-Identifier: MIT
#include <windows.h>

#include <string>
#include <system_error>

#include "platform/file_placement.h"

namespace mj::platform {

result<placement> place_without_replacing(const std::filesystem::path& staged,
                                          const std::filesystem::path& target,
                                          placement_call call) {
  bool done = false;
  if (call == placement_call::hard_link) {
    done = CreateHardLinkW(target.c_str(), staged.c_str(), nullptr) != 0;
    // The file is in place under both names; only the staged one goes.
    if (done) DeleteFileW(staged.c_str());
  } else {
    // Without MOVEFILE_REPLACE_EXISTING the move refuses a name that is taken.
    done = MoveFileExW(staged.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
  }
  if (done) return placement::placed;
  const DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return placement::name_taken;
  const std::u8string name = target.u8string();
  return make_failure(failure_code::path_access,
                      std::string(name.begin(), name.end()) + " (" +
                          std::system_category().message(static_cast<int>(error)) + ")");
}

bool is_process_running(long long process) {
  if (process <= 0 || process > 0xFFFFFFFFLL) return false;
  HANDLE handle =
      OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(process));
  // Access denied: the process is there, owned by another user.
  if (!handle) return GetLastError() == ERROR_ACCESS_DENIED;
  DWORD code = 0;
  const bool running = GetExitCodeProcess(handle, &code) && code == STILL_ACTIVE;
  CloseHandle(handle);
  return running;
}

}  // namespace mj::platform
