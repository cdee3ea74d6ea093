// SPDX-License-Identifier: MIT
// For start-up measurements: with MORROWJAR_EXIT_WHEN_SHOWN set in the
// environment, a program ends as soon as its window has first been painted,
// so the time from start to a shown window can be taken from outside.
#pragma once

class QWidget;

namespace mj::platform {

// Does nothing unless MORROWJAR_EXIT_WHEN_SHOWN is set (to anything). When
// set, the first paint writes "shown_at_us N" to stderr, N being the wall
// clock in microseconds since 1970, and the program then quits.
void exit_when_shown_if_asked(QWidget* window);

}  // namespace mj::platform
