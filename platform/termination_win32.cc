// SPDX-License-Identifier: MIT
#include "platform/termination.h"

namespace mj::platform {

// Windows ends a windowed program at logout through its window messages
// (WM_QUERYENDSESSION / WM_ENDSESSION), which Qt already turns into the end
// of the event loop; there are no signals to watch.
void quit_on_termination_request(int /*exit_code*/) {}

}  // namespace mj::platform
