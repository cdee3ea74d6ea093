// SPDX-License-Identifier: MIT
// Paths as the writer builds them from text the user typed: which characters
// separate folders, how a text becomes a path for the file system, how long a
// file name may be, and how text files end their lines on this system.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace mj::platform {

// The longest file name the file system takes, counted in its own units
// (see file_name_units).
inline constexpr std::size_t kFileNameLimit = 255;

// Whether `c` separates folders in a path: "/" on POSIX systems, "\" and "/"
// on Windows.
bool is_path_separator(char16_t c);

// The separator this system writes between folders.
char16_t path_separator();

// The line break of text files here: "\n" on POSIX systems, "\r\n" on Windows.
std::string_view text_line_break();

// `text` (UTF-16, as the window toolkit holds it) as a path for the file
// system, without final separators, so that a symbolic link named by it is
// examined as a link and not as what it points to. A lone surrogate, which
// no file system name can hold, becomes U+FFFD. Never throws.
std::filesystem::path native_path(std::u16string_view text);

// The length of the file name `name` in the units the file system limits:
// bytes of UTF-8 on POSIX systems, UTF-16 code units on Windows.
std::size_t file_name_units(std::u16string_view name);

}  // namespace mj::platform
