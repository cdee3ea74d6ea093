// SPDX-License-Identifier: MIT
#include "platform/paths.h"

#include <gtest/gtest.h>

#include <string>

namespace mj::platform {
namespace {

TEST(Paths, NativePathDropsFinalSeparatorsOnly) {
  struct Case {
    const char* name;
    std::u16string text;
    std::filesystem::path path;
  };
  const std::u16string sep(1, path_separator());
  const Case kCases[] = {
      {"two final separators", u"caps" + sep + u"TOMORROW" + sep + sep,
       std::filesystem::path(u"caps") / u"TOMORROW"},
      {"the root stays", sep, std::filesystem::path(sep)},
      {"inner separators stay", u"a" + sep + u"b", std::filesystem::path(u"a") / u"b"},
      {"Japanese", u"caps" + sep + u"明日", std::filesystem::path(u"caps") / u"明日"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(native_path(c.text), c.path);
  }
}

TEST(Paths, ALoneSurrogateIsReplacedNotThrown) {
  const std::u16string lone = u"a" + std::u16string(1, char16_t(0xD800)) + u"b";
  EXPECT_EQ(native_path(lone), std::filesystem::path(u"a\uFFFDb"));
  const std::u16string pair = u"\U0001F600";
  EXPECT_EQ(native_path(pair), std::filesystem::path(pair));
}

TEST(Paths, FileNameUnitsAreWhatTheFileSystemCounts) {
  struct Case {
    const char* name;
    std::u16string text;
    std::size_t posix_bytes;
    std::size_t windows_units;
  };
  const Case kCases[] = {
      {"ASCII", u"note.txt", 8, 8},
      {"Japanese: 3 bytes, 1 unit each", u"明日", 6, 2},
      {"emoji: 4 bytes, 2 units", u"\U0001F600", 4, 2},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const bool windows = path_separator() == u'\\';
    EXPECT_EQ(file_name_units(c.text), windows ? c.windows_units : c.posix_bytes);
  }
}

}  // namespace
}  // namespace mj::platform
