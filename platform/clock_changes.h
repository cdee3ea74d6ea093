// SPDX-License-Identifier: MIT
// Noticing when the computer's clock is set (by hand, or by time
// synchronisation after a long sleep), so that a wait for the next local
// midnight, counted on a clock that only runs forward, can be measured again.
#pragma once

#include <functional>

class QObject;

namespace mj::platform {

// Calls `on_change` from the event loop each time the wall clock is set,
// for as long as `owner` lives. Where the system cannot tell, never calls it.
void watch_clock_changes(QObject* owner, std::function<void()> on_change);

}  // namespace mj::platform
