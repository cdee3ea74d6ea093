#include <sys/stat.h>

#include <cerrno>
#include <ctime>

#include "platform/file_attributes.h"
#include "platform/file_time.h"
#include "platform/local_date.h"

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

}  // namespace

result<wall_time> last_modified(const std::filesystem::path& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return path_failure(path, errno);
  std::tm local{};
  // Fails only for a year that does not fit the int of std::tm.
  if (localtime_r(&st.st_mtime, &local) == nullptr)
    return file_time_out_of_reach(path, static_cast<long long>(st.st_mtime));
  return file_wall_time(path, fields_of(local));
}

date local_date_today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const local_fields today = fields_of(local);
  return date{std::chrono::year{static_cast<int>(today.year)} / std::chrono::month{today.month} /
              std::chrono::day{today.day}};
}

}  // namespace mj::platform
