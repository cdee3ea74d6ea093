// SPDX-License-Identifier: MIT
#include "base/visible_text.h"

#include <cstdio>
#include <filesystem>

namespace mj {

namespace {

void escape_byte(unsigned char c, std::string& out) {
  char octal[8];
  std::snprintf(octal, sizeof octal, "\\%03o", c);
  out += octal;
}

std::string escaped(std::string_view text, bool escape_backslash) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      const size_t length = utf8_sequence_length(text.substr(i));
      // C1 controls are U+0080..U+009F: 0xC2 0x80..0x9F in UTF-8.
      const bool c1 = length == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
      if (length == 0 || c1) {
        // Byte by byte: an invalid byte stands alone, and the escape of a
        // C1 control spells its two bytes.
        const size_t bytes = c1 ? 2 : 1;
        for (size_t k = 0; k < bytes; ++k)
          escape_byte(static_cast<unsigned char>(text[i + k]), out);
        i += bytes;
      } else {
        out.append(text.substr(i, length));
        i += length;
      }
      continue;
    }
    switch (c) {
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\\':
        out += escape_backslash ? "\\\\" : "\\";
        break;
      default:
        if (c < 0x20 || c == 0x7f)
          escape_byte(c, out);
        else
          out += static_cast<char>(c);
    }
    ++i;
  }
  return out;
}

}  // namespace

size_t utf8_sequence_length(std::string_view text) {
  if (text.empty()) return 0;
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (size_t k = 2; k < length; ++k)
    if (byte(k) < 0x80 || byte(k) > 0xBF) return 0;
  return length;
}

bool is_valid_utf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t length = utf8_sequence_length(text.substr(i));
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string printable(std::string_view name) { return escaped(name, true); }

std::string printable_path(std::string_view path) {
  constexpr bool backslash_separates = std::filesystem::path::preferred_separator == '\\';
  return escaped(path, !backslash_separates);
}

std::string printable_line(std::string_view text) { return escaped(text, false); }

}  // namespace mj
