// SPDX-License-Identifier: MIT
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string>

#include "platform/directory_listing.h"
#include "platform/file_attributes.h"
#include "platform/file_placement.h"
#include "platform/file_time.h"

namespace mj::platform {

namespace {

local_fields fields_of(const std::tm& local) {
  return {local.tm_year + 1900LL,
          static_cast<unsigned>(local.tm_mon + 1),
          static_cast<unsigned>(local.tm_mday),
          static_cast<unsigned>(local.tm_hour),
          static_cast<unsigned>(local.tm_min),
          static_cast<unsigned>(local.tm_sec)};
}

result<wall_time> wall_time_of(const std::filesystem::path& path, std::time_t modified) {
  std::tm local{};
  // Fails only for a year that does not fit the int of std::tm.
  if (localtime_r(&modified, &local) == nullptr)
    return file_time_out_of_reach(path, static_cast<long long>(modified));
  return file_wall_time(path, fields_of(local));
}

// The same for the file `name` in `folder`, whose path is only made when the
// time is out of reach: a listing reads thousands of times.
result<wall_time> wall_time_in(const std::filesystem::path& folder, const std::string& name,
                               std::time_t modified) {
  std::tm local{};
  if (localtime_r(&modified, &local) == nullptr)
    return file_time_out_of_reach(folder / name, static_cast<long long>(modified));
  const local_fields fields = fields_of(local);
  if (!years_within_reach(fields)) return file_wall_time(folder / name, fields);
  return file_wall_time({}, fields);
}

}  // namespace

result<wall_time> last_modified(const std::filesystem::path& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return path_failure(path, errno);
  return wall_time_of(path, st.st_mtime);
}

result<std::vector<timed_file>> list_files_with_times(const std::filesystem::path& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return path_failure(folder, errno);
  std::vector<timed_file> files;
  // Each file is looked up in the open folder, not along its whole path.
  const int folder_fd = ::dirfd(dir);
  errno = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const unsigned char type = entry->d_type;
    // Folders, devices and the like, known from the listing alone, are no
    // files: only a file, a link or an entry of unknown type is examined.
    if (type != DT_REG && type != DT_LNK && type != DT_UNKNOWN) continue;
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st;
    // A link counts as the file it points to; a dangling one as nothing. A
    // writer's staged file is not the capsule's.
    if (is_staging_file_name(name)) continue;
    if (::fstatat(folder_fd, name.c_str(), &st, 0) == 0) {
      if (S_ISREG(st.st_mode)) files.push_back({name, wall_time_in(folder, name, st.st_mtime)});
    } else if (type == DT_REG) {
      // Listed as a file, as list_folder lists it, with the reason its time
      // cannot be read, as last_modified gives it.
      files.push_back({name, path_failure(folder / name, errno)});
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

}  // namespace mj::platform
