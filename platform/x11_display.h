// SPDX-License-Identifier: MIT
// Opening an X display without waiting for ever: a server that accepts the
// connection and never answers (a stopped server, a frozen session) would
// hold XOpenDisplay, and with it the program's start, for ever.
#pragma once

#include <chrono>

struct _XDisplay;  // Xlib's Display

namespace mj::platform {

// How long a display server has to answer a new connection.
inline constexpr std::chrono::milliseconds kDisplayAnswerLimit{2000};

struct x11_opening {
  _XDisplay* display = nullptr;  // the open display, or null
  bool silent = false;           // the server took the connection but did not answer in time
};

// XOpenDisplay(name), given up after `limit`. The attempt that was given up
// goes on in the background and closes whatever it opens late. It keeps
// Xlib locked while it waits, so after it every later call in this process
// is silent at once: such a process goes on without X.
x11_opening open_x_display(const char* name, std::chrono::milliseconds limit = kDisplayAnswerLimit);

}  // namespace mj::platform
