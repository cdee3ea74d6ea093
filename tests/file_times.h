// SPDX-License-Identifier: MIT
// Files of a test capsule with the times the tests need: a message last
// modified at a given local wall-clock time.
#pragma once

#include <time.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace mj::testing {

// Gives `path` the last-modified time of the local time `when`, written
// "YYYY-MM-DD hh:mm" or "YYYY-MM-DD hh:mm:ss". False when `when` is no such
// time or the time cannot be set.
inline bool set_local_time(const std::filesystem::path& path, const char* when) {
  std::tm local{};
  if (strptime(when, "%Y-%m-%d %H:%M:%S", &local) == nullptr) {
    local = std::tm{};
    if (strptime(when, "%Y-%m-%d %H:%M", &local) == nullptr) return false;
  }
  local.tm_isdst = -1;  // whatever daylight saving time says on that day
  const auto since_epoch = std::chrono::system_clock::from_time_t(std::mktime(&local));
  std::error_code error;
  std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(since_epoch), error);
  return !error;
}

// Creates the file `path`, and the folders on its way, holding "message" and
// last modified at the local time `when` (as set_local_time reads it).
inline bool make_message_file(const std::filesystem::path& path, const char* when) {
  std::error_code ignored;
  std::filesystem::create_directories(path.parent_path(), ignored);
  std::ofstream(path) << "message";
  return set_local_time(path, when);
}

}  // namespace mj::testing
