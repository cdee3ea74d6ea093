#include "platform/file_time.h"

#include <sys/stat.h>
#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>

#include "platform/directory_listing.h"
#include "platform/file_attributes.h"

namespace mj::platform {

namespace {

wall_time from_local_fields(const std::tm& local) {
  using namespace std::chrono;
  const sys_days day = year{local.tm_year + 1900} / month{static_cast<unsigned>(local.tm_mon + 1)} /
                       std::chrono::day{static_cast<unsigned>(local.tm_mday)};
  return day + hours{local.tm_hour} + minutes{local.tm_min} + seconds{local.tm_sec};
}

}  // namespace

#ifdef _WIN32

result<wall_time> last_modified(const std::filesystem::path& path) {
  struct _stat64 st;
  if (_wstat64(path.c_str(), &st) != 0) return path_failure(path, errno);
  std::tm local{};
  const __time64_t t = st.st_mtime;
  if (_localtime64_s(&local, &t) != 0) return path_failure(path, EINVAL);
  return from_local_fields(local);
}

result<std::vector<timed_file>> list_files_with_times(const std::filesystem::path& folder) {
  result<std::vector<std::string>> names = list_folder(folder, listing_mask::files);
  if (!names.ok()) return names.error();
  std::vector<timed_file> files;
  for (const std::string& name : *names) files.push_back({name, last_modified(folder / name)});
  return files;
}

#else

namespace {

std::optional<wall_time> local_time_of(std::time_t t) {
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return std::nullopt;
  return from_local_fields(local);
}

}  // namespace

result<wall_time> last_modified(const std::filesystem::path& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return path_failure(path, errno);
  const std::optional<wall_time> local = local_time_of(st.st_mtime);
  if (!local) return path_failure(path, EOVERFLOW);
  return *local;
}

result<std::vector<timed_file>> list_files_with_times(const std::filesystem::path& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return path_failure(folder, errno);
  std::vector<timed_file> files;
  // Each file is looked up in the open folder, not along its whole path.
  const int folder_fd = ::dirfd(dir);
  errno = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    struct stat st;
    // A link counts as the file it points to; a dangling one as nothing.
    if (name != "." && name != ".." && ::fstatat(folder_fd, name.c_str(), &st, 0) == 0 &&
        S_ISREG(st.st_mode)) {
      const std::optional<wall_time> local = local_time_of(st.st_mtime);
      files.push_back({name, local ? result<wall_time>(*local)
                                   : result<wall_time>(path_failure(folder / name, EOVERFLOW))});
    }
    errno = 0;
  }
  const int read_error = errno;
  ::closedir(dir);
  if (read_error != 0) return path_failure(folder, read_error);
  std::sort(files.begin(), files.end(),
            [](const timed_file& a, const timed_file& b) { return listing_order(a.name, b.name); });
  return files;
}

#endif

}  // namespace mj::platform
