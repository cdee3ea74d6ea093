// SPDX-License-Identifier: MIT
// Calendar days and moments as both programs count them: whole days on the
// local calendar, and file times as local date and time of day.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace mj {

using date = std::chrono::sys_days;

// A local date and time of day, counted as if the local clock were UTC: the
// days part is the local calendar day, comparable with `date`.
using wall_time = std::chrono::sys_seconds;

// The value of a date that was never set.
inline constexpr date zero_date =
    date{std::chrono::year{1899} / std::chrono::December / std::chrono::day{30}};

// Whether `d` lies in the years 100..9999, the only ones the schedule names
// and their arithmetic can reach.
bool in_supported_range(date d);

// "YYYY-MM-DD" with a four-digit year in 100..9999; anything else is nullopt.
std::optional<date> parse_iso_date(std::string_view text);
std::string format_iso_date(date d);

}  // namespace mj
