// Display servers on Linux and other Unix desktops: an X server named by
// DISPLAY, a Wayland compositor named by WAYLAND_DISPLAY.
#include <X11/Xlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/display_servers.h"

namespace mj::platform {

namespace {

const char* set_value(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

// The whole handshake, authorisation included, as Qt's own connection makes it.
bool x11_answers(const char* name) {
  Display* display = XOpenDisplay(name);
  if (display == nullptr) return false;
  XCloseDisplay(display);
  return true;
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
  const int connection = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
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
    found.x11_answers = x11_answers(x11);
  }
  if (const char* wayland = set_value("WAYLAND_DISPLAY")) {
    found.wayland_named = true;
    found.wayland_answers = wayland_answers(wayland);
  }
  return found;
}

}  // namespace mj::platform
