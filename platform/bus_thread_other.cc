// SPDX-License-Identifier: MIT
#include "platform/bus_thread.h"

namespace mj::platform {

// No bus is used here.
bool buses_settled() { return true; }

void hide_silent_session_bus() {}

}  // namespace mj::platform
