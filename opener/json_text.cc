// SPDX-License-Identifier: MIT
#include "opener/json_text.h"

#include <cstdio>

#include "base/visible_text.h"

namespace mj::opener {

namespace {

void unicode_escape(unsigned code, std::string& out) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04x", code);
  out += escape;
}

// `text`, valid UTF-8, as the inside of a JSON string.
void append_escaped(std::string_view text, std::string& out) {
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      const size_t length = utf8_sequence_length(text.substr(i));
      if (length == 0) {  // callers pass valid UTF-8; a stray byte is replaced
        unicode_escape(0xFFFD, out);
        ++i;
        continue;
      }
      const unsigned char second = length >= 2 ? static_cast<unsigned char>(text[i + 1]) : 0;
      if (length == 2 && c == 0xC2 && second < 0xA0) {
        unicode_escape(second, out);  // a C1 control, U+0080..U+009F
      } else if (length == 3 && c == 0xE2 && second == 0x80 &&
                 (text[i + 2] == '\xA8' || text[i + 2] == '\xA9')) {
        unicode_escape(0x2000u + static_cast<unsigned char>(text[i + 2]) - 0x80u, out);
      } else {
        out.append(text.substr(i, length));
      }
      i += length;
      continue;
    }
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        if (c < 0x20 || c == 0x7f)
          unicode_escape(c, out);
        else
          out += static_cast<char>(c);
    }
    ++i;
  }
}

std::string quoted(std::string_view text) {
  std::string out = "\"";
  append_escaped(text, out);
  return out + "\"";
}

std::string hexadecimal(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char b : bytes) {
    const auto c = static_cast<unsigned char>(b);
    out += kDigits[c >> 4];
    out += kDigits[c & 0xF];
  }
  return out;
}

}  // namespace

std::string json_string(std::string_view text) {
  if (is_valid_utf8(text)) return quoted(text);
  return quoted(printable_line(text));
}

std::string json_name_member(std::string_view key, std::string_view name) {
  const std::string key_text = quoted(key);
  if (is_valid_utf8(name)) return key_text + ":" + quoted(name);
  std::string bytes_key(key);
  bytes_key += "_bytes";
  return key_text + ":" + quoted(printable(name)) + "," + quoted(bytes_key) + ":\"" +
         hexadecimal(name) + "\"";
}

std::string json_date(date d) {
  if (d == zero_date) return "null";
  return "\"" + format_iso_date(d) + "\"";
}

std::string json_failures(const std::vector<failure>& failures) {
  std::vector<std::string> items;
  items.reserve(failures.size());
  for (const failure& f : failures)
    items.push_back(
        json_object().number("code", code_number(f.code)).text("description", f.description).str());
  return json_array(items);
}

json_object& json_object::member(std::string member_text) {
  if (out_.size() > 1) out_ += ",";
  out_ += member_text;
  return *this;
}

json_object& json_object::raw(std::string_view key, std::string_view value) {
  return member(quoted(key) + ":" + std::string(value));
}

json_object& json_object::text(std::string_view key, std::string_view value) {
  return raw(key, json_string(value));
}

json_object& json_object::name(std::string_view key, std::string_view value) {
  return member(json_name_member(key, value));
}

json_object& json_object::number(std::string_view key, long long value) {
  return raw(key, std::to_string(value));
}

json_object& json_object::boolean(std::string_view key, bool value) {
  return raw(key, value ? "true" : "false");
}

json_object& json_object::day(std::string_view key, date value) {
  return raw(key, json_date(value));
}

std::string json_array(const std::vector<std::string>& items) {
  std::string out = "[";
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ",";
    out += items[i];
  }
  return out + "]";
}

}  // namespace mj::opener
