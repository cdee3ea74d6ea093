// SPDX-License-Identifier: MIT
#include "platform/paths.h"

#include <string>

namespace mj::platform {

namespace {

bool is_high_surrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool is_low_surrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The conversion to the file system's encoding refuses a lone surrogate (and
// would throw); every other character converts.
std::u16string with_whole_characters(std::u16string_view text) {
  std::u16string whole(text);
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (is_high_surrogate(whole[i]) && i + 1 < whole.size() && is_low_surrogate(whole[i + 1])) {
      ++i;
    } else if (is_high_surrogate(whole[i]) || is_low_surrogate(whole[i])) {
      whole[i] = u'\uFFFD';
    }
  }
  return whole;
}

}  // namespace

#ifdef _WIN32

bool is_path_separator(char16_t c) { return c == u'\\' || c == u'/'; }
char16_t path_separator() { return u'\\'; }
std::string_view text_line_break() { return "\r\n"; }

#else

bool is_path_separator(char16_t c) { return c == u'/'; }
char16_t path_separator() { return u'/'; }
std::string_view text_line_break() { return "\n"; }

#endif

std::filesystem::path native_path(std::u16string_view text) {
  while (text.size() > 1 && is_path_separator(text.back())) text.remove_suffix(1);
  // std::filesystem converts UTF-16 to the native encoding: UTF-8 bytes on
  // POSIX systems, wide characters unchanged on Windows.
  return std::filesystem::path(with_whole_characters(text));
}

std::size_t file_name_units(std::u16string_view name) {
  return std::filesystem::path(with_whole_characters(name)).native().size();
}

}  // namespace mj::platform
