// SPDX-License-Identifier: MIT
#include "base/visible_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace mj {
namespace {

// Reads an escaped name back into its bytes: every escape stands for one
// byte, so the escaping loses nothing.
std::string read_back(const std::string& shown) {
  std::string bytes;
  for (size_t i = 0; i < shown.size(); ++i) {
    if (shown[i] != '\\') {
      bytes += shown[i];
      continue;
    }
    const char next = shown.at(++i);
    if (next == 'n')
      bytes += '\n';
    else if (next == 't')
      bytes += '\t';
    else if (next == 'r')
      bytes += '\r';
    else if (next == '\\')
      bytes += '\\';
    else {
      bytes += static_cast<char>(std::stoi(shown.substr(i, 3), nullptr, 8));
      i += 2;
    }
  }
  return bytes;
}

bool shows_only_printable_text(const std::string& shown) {
  for (size_t i = 0; i < shown.size(); ++i) {
    const auto c = static_cast<unsigned char>(shown[i]);
    if (c < 0x20 || c == 0x7f) return false;
    if (c == 0xC2 && i + 1 < shown.size() && static_cast<unsigned char>(shown[i + 1]) < 0xA0)
      return false;
  }
  return is_valid_utf8(shown);
}

TEST(Printable, EscapesControlsC1AndInvalidBytesOneByOne) {
  struct Case {
    const char* label;
    std::string name;
    std::string shown;
  };
  const Case kCases[] = {
      {"plain ASCII", "note.txt", "note.txt"},
      {"Japanese stays", "\xE6\x89\x8B\xE7\xB4\x99.txt", "\xE6\x89\x8B\xE7\xB4\x99.txt"},
      {"line feed, tab, carriage return", "a\nb\tc\rd", "a\\nb\\tc\\rd"},
      {"backslash doubled", "a\\nb", "a\\\\nb"},
      {"escape and NUL", std::string("\x1B[31m\0x", 7), "\\033[31m\\000x"},
      {"DEL", "a\x7F", "a\\177"},
      {"C1 control sequence introducer U+009B",
       "a\xC2\x9B"
       "2J",
       "a\\302\\2332J"},
      {"U+0085 next line", "\xC2\x85", "\\302\\205"},
      {"U+00A0 is no control", "\xC2\xA0", "\xC2\xA0"},
      {"a stray continuation byte", "a\x80z", "a\\200z"},
      {"Latin-1, not UTF-8", "caf\xE9", "caf\\351"},
      {"a truncated sequence", "\xE6\x89", "\\346\\211"},
      {"an overlong slash", "\xC0\xAF", "\\300\\257"},
      {"a surrogate", "\xED\xA0\x80", "\\355\\240\\200"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", "\\364\\220\\200\\200"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.label);
    const std::string shown = printable(c.name);
    EXPECT_EQ(shown, c.shown);
    EXPECT_TRUE(shows_only_printable_text(shown));
    EXPECT_EQ(read_back(shown), c.name);
  }
}

TEST(Printable, ALineLeavesBackslashesButEscapesControls) {
  EXPECT_EQ(printable_line("Folder \"a\\\\nb\" in ~: gone"), "Folder \"a\\\\nb\" in ~: gone");
  EXPECT_EQ(printable_line("a\nb\xC2\x9B\xFF"), "a\\nb\\302\\233\\377");
}

TEST(Printable, APathKeepsItsSeparatorsAndEscapesItsNames) {
  // A line feed in a name is escaped wherever the path is shown.
  EXPECT_EQ(printable_path("/home/a/cap\nsule"), "/home/a/cap\\nsule");
  if constexpr (std::filesystem::path::preferred_separator == '\\') {
    // The separator reads as typed; "\\n" would have read as a line feed.
    EXPECT_EQ(printable_path("C:\\Morrowjar\\new"), "C:\\Morrowjar\\new");
    EXPECT_EQ(printable_path("Z:\\tmp\\caf\xE9"), "Z:\\tmp\\caf\\351");
  } else {
    // A backslash is a character of a name here, doubled as in names.
    EXPECT_EQ(printable_path("/home/a\\b"), "/home/a\\\\b");
    EXPECT_EQ(read_back(printable_path("/tmp/a\\n\n")), "/tmp/a\\n\n");
  }
}

TEST(Utf8, ValidAndInvalidSequences) {
  EXPECT_TRUE(is_valid_utf8(""));
  EXPECT_TRUE(is_valid_utf8("\xF0\x9F\x98\x80 \xE2\x82\xAC \xC3\xA9"));
  EXPECT_TRUE(is_valid_utf8("\xF4\x8F\xBF\xBF"));  // U+10FFFF
  EXPECT_FALSE(is_valid_utf8("\xF8\x88\x80\x80\x80"));
  EXPECT_FALSE(is_valid_utf8("\xE0\x80\xAF"));  // overlong
  EXPECT_FALSE(is_valid_utf8("\xC3"));
  EXPECT_FALSE(is_valid_utf8("\xFF"));
}

}  // namespace
}  // namespace mj
