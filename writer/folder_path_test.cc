#include "writer/folder_path.h"

#include <gtest/gtest.h>

namespace mj::writer {
namespace {

using namespace Qt::StringLiterals;

TEST(ScheduleFolderPath, AppendsTheScheduleTextAsTyped) {
  struct Case {
    const char* schedule;
    const char* folder;
  };
  const Case kCases[] = {
      {"TOMORROW", "/home/a/Morrowjar/TOMORROW/"},
      {"TOMORROW/", "/home/a/Morrowjar/TOMORROW/"},
      {"", "/home/a/Morrowjar/"},
      {" every month ", "/home/a/Morrowjar/ every month /"},
      {"98-12-", "/home/a/Morrowjar/98-12-/"},
      {"a/b", "/home/a/Morrowjar/a/b/"},
#ifndef _WIN32
      // A backslash is an ordinary character in POSIX names.
      {"TOMORROW\\", "/home/a/Morrowjar/TOMORROW\\/"},
#endif
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.schedule);
    EXPECT_EQ(
        schedule_folder_path(u"/home/a/Morrowjar/"_s, QString::fromUtf8(c.schedule)).toStdString(),
        c.folder);
  }
}

TEST(NativePath, DropsFinalSeparatorsOnly) {
  EXPECT_EQ(to_native_path(u"/caps/TOMORROW//"_s), std::filesystem::path("/caps/TOMORROW"));
  EXPECT_EQ(to_native_path(u"/"_s), std::filesystem::path("/"));
  EXPECT_EQ(to_native_path(u"/caps/明日"_s), std::filesystem::path("/caps/明日"));
}

}  // namespace
}  // namespace mj::writer
