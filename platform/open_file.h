// Handing a due file to the desktop, which opens it with the program
// associated with its type.
#pragma once

#include <optional>
#include <string>

#include "base/failure.h"

namespace mj::platform {

// Starts the desktop's opener for `path` with `working_folder` as the started
// program's current folder, and does not wait. Whether a program was found
// for the file is not examined: a file that cannot be opened is passed over.
std::optional<failure> open_with_desktop(const std::string& path,
                                         const std::string& working_folder);

}  // namespace mj::platform
