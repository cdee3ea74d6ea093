// SPDX-License-Identifier: MIT
#include "platform/file_time.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <fstream>

#include "platform/directory_listing.h"
#include "tests/result_support.h"
#include "tests/temp_folder.h"

namespace mj::platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// A local date and time as seconds since 1970.
std::time_t local_time_t(int y, int mo, int d, int h, int mi, int s) {
  std::tm local{};
  local.tm_year = y - 1900;
  local.tm_mon = mo - 1;
  local.tm_mday = d;
  local.tm_hour = h;
  local.tm_min = mi;
  local.tm_sec = s;
  local.tm_isdst = -1;
  return std::mktime(&local);
}

// Sets the modification time of `path` to a local date and time.
void set_local_mtime(const fs::path& path, int y, int mo, int d, int h, int mi, int s) {
  const std::time_t t = local_time_t(y, mo, d, h, mi, s);
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
  EXPECT_EQ(mj::testing::failure_code_of(last_modified(file)), failure_code::not_found);
}

// A file whose modification time is `t`, in the first of the temporary
// folder and /dev/shm whose file system keeps that time exactly (ext4 keeps
// only the years 1901 to 2446); empty when neither does.
fs::path file_dated(const fs::path& name, std::time_t t) {
  for (const fs::path& folder : {fs::temp_directory_path(), fs::path("/dev/shm")}) {
    const fs::path file = folder / name;
    std::ofstream(file) << "x";
    const timespec times[2] = {{t, 0}, {t, 0}};
    struct stat st;
    if (utimensat(AT_FDCWD, file.c_str(), times, 0) == 0 && stat(file.c_str(), &st) == 0 &&
        st.st_mtime == t)
      return file;
    fs::remove(file);
  }
  return {};
}

// Years outside 100..9999 fail, named, instead of wrapping into another year
// (std::chrono::year would read 67514 as 1978); the years at both ends hold.
TEST(FileTime, AYearOutsideTheSupportedRangeIsAFailureNamingFileAndYear) {
  setenv("TZ", "Asia/Tokyo", 1);
  tzset();
  struct Case {
    const char* name;
    std::time_t t;
    wall_time expected;   // when read
    const char* failure;  // when not: how the description names the year
  };
  const auto wall = [](int y, unsigned mo, unsigned d, int h, int mi, int s) {
    return sys_days{year{y} / month{mo} / day{d}} + hours{h} + minutes{mi} + seconds{s};
  };
  const Case kCases[] = {
      {"first second of the year 100", local_time_t(100, 1, 1, 0, 0, 0), wall(100, 1, 1, 0, 0, 0),
       nullptr},
      {"last second of the year 99", local_time_t(99, 12, 31, 23, 59, 59), {}, "in the year 99"},
      {"the year 50", local_time_t(50, 6, 1, 12, 0, 0), {}, "in the year 50"},
      {"last second of the year 9999", local_time_t(9999, 12, 31, 23, 59, 59),
       wall(9999, 12, 31, 23, 59, 59), nullptr},
      {"first second of the year 10000",
       local_time_t(10000, 1, 1, 0, 0, 0),
       {},
       "in the year 10000"},
      {"the year 67514", local_time_t(67514, 3, 12, 8, 0, 0), {}, "in the year 67514"},
      // Beyond the int year of the C library's local time.
      {"2^62 seconds", std::time_t{1} << 62, {}, "about the year 146138514283"},
  };
  const fs::path name = "mj_file_time_range_" + std::to_string(getpid());
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const fs::path file = file_dated(name, c.t);
    if (file.empty()) GTEST_SKIP() << "no file system here keeps the time of " << c.name;
    const result<wall_time> read = last_modified(file);
    if (c.failure == nullptr) {
      EXPECT_EQ(mj::testing::value_of(read), c.expected);
    } else {
      EXPECT_EQ(mj::testing::failure_code_of(read), failure_code::invalid_argument);
      if (!read.ok()) {
        EXPECT_EQ(read.error().description,
                  file.string() + " (dated " + c.failure + ", outside the years 100 to 9999)");
      }
    }
    fs::remove(file);
  }
}

TEST(FileTime, ListingWithTimesAgreesWithTheListingAndEachFilesTime) {
  mj::testing::temp_folder folder{"mj_timed_listing"};
  const fs::path root = folder.path();
  ASSERT_FALSE(root.empty());
  for (const char* name : {"b.txt", "B.txt", "a.txt", ".hidden", "_x"})
    std::ofstream(root / name) << "x";
  set_local_mtime(root / "b.txt", 1998, 12, 15, 23, 59, 59);
  set_local_mtime(root / "_x", 2024, 2, 29, 7, 30, 0);
  fs::create_directory(root / "sub");
  std::ofstream(root / "sub" / "inner.txt") << "x";
  fs::create_symlink(root / "b.txt", root / "link_to_b");
  fs::create_symlink(root / "sub", root / "link_to_sub");
  fs::create_symlink(root / "gone", root / "dangling");
  std::ofstream(root / ".m_jarin-4242-0a1b2c3d.part") << "being written";

  const auto listed = list_files_with_times(root);
  ASSERT_TRUE(listed.ok());
  std::vector<std::string> names;
  for (const timed_file& f : *listed) {
    SCOPED_TRACE(f.name);
    names.push_back(f.name);
    EXPECT_EQ(mj::testing::value_of(f.modified),
              mj::testing::value_of(last_modified(root / f.name)));
  }
  EXPECT_EQ(names, mj::testing::value_of(list_folder(root, listing_mask::files)));
  EXPECT_EQ(names.size(), 6u);  // the five files and the link to one of them, not the staged one

  for (const fs::path& p : {root / "missing", root / "a.txt"}) {
    SCOPED_TRACE(p.string());
    EXPECT_EQ(mj::testing::failure_code_of(list_files_with_times(p)), failure_code::not_found);
  }
}

}  // namespace
}  // namespace mj::platform
