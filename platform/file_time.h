// When a file in the capsule was last modified, as the due-file selection
// compares it with due days.
#pragma once

#include <filesystem>

#include "base/date.h"
#include "base/failure.h"

namespace mj::platform {

// The last-modified time of `path` in local time (a link is followed to its
// target). Fails with not_found when nothing is there.
result<wall_time> last_modified(const std::filesystem::path& path);

}  // namespace mj::platform
