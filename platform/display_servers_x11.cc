// SPDX-License-Identifier: MIT
// Display servers on Linux and other Unix desktops: an X server named by
// DISPLAY, a Wayland compositor named by WAYLAND_DISPLAY.
#include <X11/Xlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "base/wording.h"
#include "platform/display_servers.h"
#include "platform/x11_display.h"

namespace mj::platform {

namespace {

const char* set_value(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

// The whole handshake, authorisation included, as Qt's own connection makes
// it, within the time limit.
x11_opening x11_answer(const char* name) {
  const x11_opening opening = open_x_display(name);
  if (opening.display != nullptr) XCloseDisplay(opening.display);
  return opening;
}

// Where libwayland looks: an absolute name is the socket itself, any other
// lies in XDG_RUNTIME_DIR. A compositor that has gone leaves its socket file
// behind, so only a connection tells.
bool wayland_answers(const char* name) {
  std::string socket_path = name;
  if (socket_path.front() != '/') {
    const char* runtime = set_value("XDG_RUNTIME_DIR");
    if (runtime == nullptr) return false;
    socket_path = std::string(runtime) + "/" + socket_path;
  }
  sockaddr_un address{};
  if (socket_path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, socket_path.c_str(), socket_path.size() + 1);
  // Without blocking: a compositor whose queue of connections is full
  // would otherwise hold the start.
  const int connection = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (connection < 0) return false;
  const bool connected =
      connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(connection);
  return connected;
}

}  // namespace

display_servers probe_display_servers() {
  display_servers found;
  if (const char* x11 = set_value("DISPLAY")) {
    found.x11_named = true;
    const x11_opening opening = x11_answer(x11);
    found.x11_answers = opening.display != nullptr;
    found.x11_silent = opening.silent;
  }
  if (const char* wayland = set_value("WAYLAND_DISPLAY")) {
    found.wayland_named = true;
    found.wayland_answers = wayland_answers(wayland);
  }
  return found;
}

void tell_silent_display() {
  const char* x11 = set_value("DISPLAY");
  const std::string line =
      fill(localized("mj::platform::display",
                     "%1: the X display %2 took the connection but did not answer within %3 "
                     "seconds; going on without it."),
           {program_invocation_short_name, x11 ? x11 : "",
            std::to_string(kDisplayAnswerLimit.count() / 1000)});
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
}

}  // namespace mj::platform
