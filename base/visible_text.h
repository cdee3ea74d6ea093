// SPDX-License-Identifier: MIT
// Names made safe to show: file and folder names come from anyone who can
// write to the capsule, and may hold line feeds, terminal controls or bytes
// that are no UTF-8 at all. Whatever a person or a log reads shows them in
// one visible, unambiguous way, from which the bytes can be read back.
#pragma once

#include <string>
#include <string_view>

namespace mj {

// `name` as it is shown: valid UTF-8 stays as it is, except that a line feed,
// a tab and a carriage return read \n, \t and \r, the backslash reads \\, and
// every byte of another C0 control, of DEL, of a C1 control (U+0080..U+009F)
// or of a sequence that is not valid UTF-8 reads as \ooo, its three octal
// digits. Each escape stands for exactly one byte.
std::string printable(std::string_view name);

// A path as it is shown: each name in it as `printable` shows it. Where a
// backslash separates the names of a path (Windows), it stays single: no name
// can hold one there, nor a control character, so "C:\Morrowjar" reads as
// people type it. Elsewhere it is `printable`.
std::string printable_path(std::string_view path);

// A sentence for people whose names were already made printable: controls
// and invalid UTF-8 are escaped as printable escapes them, but a backslash
// stays as it is (it belongs to the escapes of the names within).
std::string printable_line(std::string_view text);

// Whether `text` is valid UTF-8: no stray, truncated or overlong sequences, no
// surrogates, nothing past U+10FFFF.
bool is_valid_utf8(std::string_view text);

// The length of the valid UTF-8 sequence that starts `text`, or 0 when it
// starts with a byte that begins none.
size_t utf8_sequence_length(std::string_view text);

}  // namespace mj
