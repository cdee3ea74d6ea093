// SPDX-License-Identifier: MIT
#include "platform/capsule_root.h"

#include <gtest/gtest.h>

namespace mj::platform {
namespace {

TEST(CapsuleRootWindows, ResolvesByTheLengthOfTheLocation) {
  struct Case {
    const char* location;
    const char* drive;
    const char* root_path;
  };
  const Case kCases[] = {
      {"", "C:", "\\Morrowjar\\"},
      {"D", "D:", "\\Morrowjar\\"},
      {"D:", "D:", "\\Morrowjar\\"},
      {"D:\\Morrowjar\\", "D:", "\\Morrowjar\\"},
      {"X\\", "C:", "X\\"},
      {"D:\\Caps\\", "D:", "\\Caps\\"},
      // A location without a final separator names that folder.
      {"D:\\Caps", "D:", "\\Caps\\"},
      {"XY", "C:", "XY\\"},
      {"D:\\Caps/", "D:", "\\Caps/"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.location);
    const capsule_location root = resolve_capsule_root_windows(c.location, "C:\\WINDOWS\\system32");
    EXPECT_EQ(root.drive, c.drive);
    EXPECT_EQ(root.root_path, c.root_path);
  }
}

TEST(CapsuleRootPosix, DefaultsToMorrowjarInHome) {
#ifdef _WIN32
  GTEST_SKIP() << "POSIX only: std::filesystem joins paths with the host's separator";
#endif
  struct Case {
    const char* location;
    const char* full_path;
  };
  const Case kCases[] = {
      {"", "/home/a/Morrowjar/"},
      {"/srv/caps", "/srv/caps/"},
      {"/srv/caps/", "/srv/caps/"},
      {"caps", "/work/dir/caps/"},
      {"./caps/../other", "/work/dir/other/"},
      {"..", "/work/"},
      {"/", "/"},
      {"my caps", "/work/dir/my caps/"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.location);
    const capsule_location root = resolve_capsule_root_posix(c.location, "/home/a", "/work/dir");
    EXPECT_EQ(root.drive, "");
    EXPECT_EQ(root.full_path(), c.full_path);
  }
}

TEST(TrimBlanks, RemovesSpacesAndTabsAtBothEnds) {
  EXPECT_EQ(trim_blanks("  D:\\x \t"), "D:\\x");
  EXPECT_EQ(trim_blanks(" \t "), "");
  EXPECT_EQ(trim_blanks("a b"), "a b");
}

}  // namespace
}  // namespace mj::platform
