// SPDX-License-Identifier: MIT
#include "platform/key_state.h"

#ifdef MORROWJAR_HAVE_X11
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdlib>

#include "platform/x11_display.h"
#endif

namespace mj::platform {

#ifdef MORROWJAR_HAVE_X11

bool insert_key_down() {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return false;
  // A server that does not answer has no key held down.
  Display* display = open_x_display(name).display;
  if (display == nullptr) return false;
  char keymap[32] = {};
  XQueryKeymap(display, keymap);
  const unsigned keycode = XKeysymToKeycode(display, XK_Insert);
  XCloseDisplay(display);
  return key_down_in_keymap(keymap, keycode);
}

#else

// Systems without X11 (macOS): no portable way to read a key before a window
// has focus, so the key counts as up.
bool insert_key_down() { return false; }

#endif

}  // namespace mj::platform
