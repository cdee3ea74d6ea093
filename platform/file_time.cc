#include "platform/file_time.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <string>

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

#else

result<wall_time> last_modified(const std::filesystem::path& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) return path_failure(path, errno);
  std::tm local{};
  if (localtime_r(&st.st_mtime, &local) == nullptr) return path_failure(path, EOVERFLOW);
  return from_local_fields(local);
}

#endif

}  // namespace mj::platform
