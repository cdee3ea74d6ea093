// SPDX-License-Identifier: MIT
#include <windows.h>

#include "platform/directory_listing.h"
#include "platform/file_time.h"
#include "platform/win32_errors.h"

namespace mj::platform {

namespace {

// FILETIME counts 100-nanosecond ticks from 1 January 1601 (UTC).
constexpr unsigned long long kTicksPerSecond = 10'000'000;
constexpr long long kSecondsFrom1601To1970 = 11'644'473'600;

local_fields fields_of(const SYSTEMTIME& local) {
  return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

}  // namespace

// Through the handle, which follows a link to its target as stat does; the
// system's own conversion applies the daylight saving rule of the file's date.
result<wall_time> last_modified(const std::filesystem::path& path) {
  const HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return win32_path_failure(path, GetLastError());
  FILETIME written;
  const bool read = GetFileTime(file, nullptr, nullptr, &written);
  const DWORD error = GetLastError();
  CloseHandle(file);
  if (!read) return win32_path_failure(path, error);

  SYSTEMTIME utc;
  SYSTEMTIME local;
  if (!FileTimeToSystemTime(&written, &utc) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
    const unsigned long long ticks =
        (static_cast<unsigned long long>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
    return file_time_out_of_reach(
        path, static_cast<long long>(ticks / kTicksPerSecond) - kSecondsFrom1601To1970);
  }
  return file_wall_time(path, fields_of(local));
}

result<std::vector<timed_file>> list_files_with_times(const std::filesystem::path& folder) {
  result<std::vector<std::string>> names = list_folder(folder, listing_mask::files);
  if (!names.ok()) return names.error();
  std::vector<timed_file> files;
  for (const std::string& name : *names) files.push_back({name, last_modified(folder / name)});
  return files;
}

}  // namespace mj::platform
