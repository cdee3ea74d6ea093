// When a file in the capsule was last modified, as the due-file selection
// compares it with due days.
#pragma once

#include <chrono>
#include <filesystem>

namespace mj::platform {

// A local date and time of day, counted as if the local clock were UTC: the
// days part is the local calendar day, comparable with mj::date.
using wall_time = std::chrono::sys_seconds;

// The last-modified time of `path` in local time (a link is followed to its
// target). Fails (mj::failure_error) with code 53 when nothing is there.
wall_time last_modified(const std::filesystem::path& path);

}  // namespace mj::platform
