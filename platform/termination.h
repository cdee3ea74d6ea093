// SPDX-License-Identifier: MIT
// Ending a program cleanly when the system asks it to: at logout or shutdown
// the session manager sends SIGTERM (SIGHUP when the terminal goes, SIGINT on
// Ctrl+C). The event loop then ends as if the program had quit, so that what
// runs after it (releasing a lock, not marking an unfinished day as done)
// still happens.
#pragma once

namespace mj::platform {

// Call once, after the QCoreApplication exists: from then on those signals
// make QCoreApplication::exec() return with `exit_code`.
void quit_on_termination_request(int exit_code);

}  // namespace mj::platform
