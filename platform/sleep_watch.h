// SPDX-License-Identifier: MIT
// Hearing that the computer woke from sleep, so that a program waiting for
// the next day can look at the date again at once.
#pragma once

#include <functional>

class QObject;

namespace mj::platform {

// Calls `on_wake` from the event loop of `owner`'s thread each time the
// computer wakes from sleep, for as long as `owner` lives. On Linux this is
// logind's PrepareForSleep signal on the system bus, listened to on a thread
// of its own: a missing bus is no error, and a bus that takes the connection
// but does not answer within two seconds is told once on stderr; neither
// ever holds up the caller. Elsewhere it is never called.
void watch_wake_ups(QObject* owner, std::function<void()> on_wake);

}  // namespace mj::platform
