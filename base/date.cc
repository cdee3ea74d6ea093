// SPDX-License-Identifier: MIT
#include "base/date.h"

#include <cstdio>
#include <utility>

namespace mj {

using namespace std::chrono;

bool in_supported_range(date d) {
  constexpr date first = year{100} / January / 1;
  constexpr date last_day = year{9999} / December / 31;
  return d >= first && d <= last_day;
}

std::optional<date> parse_iso_date(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  int parts[3] = {0, 0, 0};
  const std::pair<size_t, size_t> fields[3] = {{0, 4}, {5, 2}, {8, 2}};
  for (int f = 0; f < 3; ++f) {
    for (size_t i = 0; i < fields[f].second; ++i) {
      const char c = text[fields[f].first + i];
      if (c < '0' || c > '9') return std::nullopt;
      parts[f] = parts[f] * 10 + (c - '0');
    }
  }
  const year_month_day ymd{year{parts[0]}, month{static_cast<unsigned>(parts[1])},
                           day{static_cast<unsigned>(parts[2])}};
  if (!ymd.ok() || !in_supported_range(sys_days{ymd})) return std::nullopt;
  return sys_days{ymd};
}

std::string format_iso_date(date d) {
  const year_month_day ymd{d};
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buffer;
}

}  // namespace mj
