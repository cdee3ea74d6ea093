// SPDX-License-Identifier: MIT
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdlib>

#include "platform/key_state.h"
#include "platform/x11_display.h"

namespace mj::platform {

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

}  // namespace mj::platform
