// SPDX-License-Identifier: MIT
// The JSON answers of m_jar (--explain, --next, --dry-run, --upcoming),
// written by hand so that every object keeps its keys in one documented
// order, and so that names that are no valid UTF-8 can be read back byte for
// byte.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/date.h"
#include "base/failure.h"

namespace mj::opener {

// `text` as a JSON string, quotes included. Controls, DEL, the C1 controls and
// U+2028/U+2029 are written as \uXXXX escapes, so the line can be printed
// raw; text that is no valid UTF-8 is written as printable_line makes it.
std::string json_string(std::string_view text);

// A name or path under `key`: `"key":"..."`. A name that is no valid UTF-8
// cannot be a JSON string: it is then written as `printable` shows it, and
// followed by `"key_bytes":"..."`, its bytes in lower-case hexadecimal.
std::string json_name_member(std::string_view key, std::string_view name);

// "YYYY-MM-DD", or null for the unset zero date.
std::string json_date(date d);

// Failures as a JSON array of {code, description}, in order.
std::string json_failures(const std::vector<failure>& failures);

// One JSON object, its members in the order they are added.
class json_object {
 public:
  // `value` is JSON text already.
  json_object& raw(std::string_view key, std::string_view value);
  json_object& text(std::string_view key, std::string_view value);
  json_object& name(std::string_view key, std::string_view value);
  json_object& number(std::string_view key, long long value);
  json_object& boolean(std::string_view key, bool value);
  json_object& day(std::string_view key, date value);
  std::string str() const { return out_ + "}"; }

 private:
  json_object& member(std::string member_text);
  std::string out_ = "{";
};

// JSON texts as one array.
std::string json_array(const std::vector<std::string>& items);

}  // namespace mj::opener
