// SPDX-License-Identifier: MIT
// The desktop's opener program on POSIX systems (xdg-open; open on macOS),
// started for a file: what opening a file (open_file_posix.cc) and handing
// it over with an answer (hand_over_posix.cc) share. Not QDesktopServices:
// on a desktop without a display connection it silently opens nothing.
#pragma once

#include <sys/types.h>

#include <string>

#include "base/failure.h"

namespace mj::platform {

#ifdef __APPLE__
inline constexpr char kDesktopOpener[] = "open";
#else
inline constexpr char kDesktopOpener[] = "xdg-open";
#endif

// The failure of handing `path` over when the opener could not be started
// (`error_number`, an errno value).
failure not_handed_over(const std::string& path, int error_number);

// Writes `error_number` to the pipe end `report`: in a child after fork(),
// where only such calls are safe.
void send_error(int report, int error_number);

// Why the desktop's opener ended with `status` (from waitpid), in the words
// of xdg-open's exit codes.
std::string ending_reason(int status);

// Starts the desktop's opener for `path` as a child of this process, in a
// session of its own, in `working_folder` (when it is still there). Whether
// it started shows on a pipe that closes by itself when exec() succeeds
// (close-on-exec) and carries errno when it fails.
result<pid_t> start_opener(const std::string& path, const std::string& working_folder);

}  // namespace mj::platform
