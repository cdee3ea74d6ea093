// SPDX-License-Identifier: MIT
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/capsule_root.h"

namespace mj::platform {

namespace {

std::string home_directory() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/";
}

}  // namespace

capsule_location resolve_capsule_root(std::string_view location) {
  std::error_code ignored;
  const std::filesystem::path current = std::filesystem::current_path(ignored);
  return resolve_capsule_root_posix(location, home_directory(), current.string());
}

}  // namespace mj::platform
