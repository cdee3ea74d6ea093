// SPDX-License-Identifier: MIT
#include <windows.h>

#include "platform/capsule_root.h"

namespace mj::platform {

capsule_location resolve_capsule_root(std::string_view location) {
  char system_directory[MAX_PATH + 1] = {};
  GetSystemDirectoryA(system_directory, MAX_PATH);
  return resolve_capsule_root_windows(location, system_directory);
}

}  // namespace mj::platform
