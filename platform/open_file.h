// SPDX-License-Identifier: MIT
// Handing a due file to the desktop, which opens it with the program
// associated with its type.
#pragma once

#include <string>

#include "base/failure.h"

namespace mj::platform {

// Starts the desktop's opener for `path` (xdg-open on Linux, the shell on
// Windows) with `working_folder` as the started program's current folder, and
// does not wait for it. Done when the file was handed over; a failure
// naming the file and the reason when it could not be ("xdg-open not found",
// the program could not be started). Whether the desktop then finds a program
// for the file is not known here.
result<void> open_with_desktop(const std::string& path, const std::string& working_folder);

}  // namespace mj::platform
