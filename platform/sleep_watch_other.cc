// SPDX-License-Identifier: MIT
#include "platform/sleep_watch.h"

namespace mj::platform {

// No way to be told here: the date is looked at again at the next midnight,
// clock change or time-zone change.
void watch_wake_ups(QObject* /*owner*/, std::function<void()> /*on_wake*/) {}

}  // namespace mj::platform
