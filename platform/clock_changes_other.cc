// SPDX-License-Identifier: MIT
#include "platform/clock_changes.h"

namespace mj::platform {

// No way to be told here: a wait for midnight is measured once, and checked
// again at the next wake-up or time-zone change.
void watch_clock_changes(QObject* /*owner*/, std::function<void()> /*on_change*/) {}

}  // namespace mj::platform
