// SPDX-License-Identifier: MIT
// Handing a due file to the desktop and hearing how it went: the opener's run
// counts a file as handed over only when the desktop took it, so that a file
// xdg-open could not open (no program for its type, no desktop) is reported
// and its day stays owed.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "base/failure.h"

class QObject;

namespace mj::platform {

// How long a hand-over is waited for: an xdg-open that fails says so within
// this time; one still running after it has handed the file to a program that
// stays in the foreground.
inline constexpr std::chrono::milliseconds kHandOverPatience{4000};

using hand_over_done = std::function<void(const result<void>& outcome)>;

// Hands `path` to the desktop (xdg-open on Linux, the shell on Windows) with
// `working_folder` as the started program's current folder, without waiting,
// and calls `done` once, later, from the event loop: done when the
// desktop took the file (its opener ended with status 0, or still runs after
// `patience`), with a failure naming the file and the reason otherwise (code
// not_found when the file is gone since). Not called once `context` is gone.
void hand_to_desktop(const std::string& path, const std::string& working_folder,
                     std::chrono::milliseconds patience, QObject* context, hand_over_done done);

}  // namespace mj::platform
