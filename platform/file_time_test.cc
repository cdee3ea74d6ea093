#include "platform/file_time.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <fstream>

#include "tests/result_support.h"

namespace mj::platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// Sets the modification time of `path` to a local date and time.
void set_local_mtime(const fs::path& path, int y, int mo, int d, int h, int mi, int s) {
  std::tm local{};
  local.tm_year = y - 1900;
  local.tm_mon = mo - 1;
  local.tm_mday = d;
  local.tm_hour = h;
  local.tm_min = mi;
  local.tm_sec = s;
  local.tm_isdst = -1;
  const std::time_t t = std::mktime(&local);
  const timespec times[2] = {{t, 0}, {t, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(FileTime, GivesTheLocalDateAndTimeOfDay) {
  // A zone far from UTC, so a mix-up of UTC and local time shows.
  setenv("TZ", "Asia/Tokyo", 1);
  tzset();
  const fs::path file = fs::temp_directory_path() / ("mj_file_time_" + std::to_string(getpid()));
  std::ofstream(file) << "x";
  struct Case {
    int y, mo, d, h, mi, s;
  };
  const Case kCases[] = {
      {1998, 12, 15, 23, 59, 59}, {1998, 12, 16, 0, 0, 0}, {2024, 2, 29, 7, 30, 0}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.d);
    set_local_mtime(file, c.y, c.mo, c.d, c.h, c.mi, c.s);
    const wall_time expected =
        sys_days{year{c.y} / c.mo / c.d} + hours{c.h} + minutes{c.mi} + seconds{c.s};
    EXPECT_EQ(mj::testing::value_of(last_modified(file)), expected);
  }
  fs::remove(file);
  EXPECT_EQ(mj::testing::failure_code_of(last_modified(file)), 53);
}

}  // namespace
}  // namespace mj::platform
