#include "platform/key_state.h"

#if defined(_WIN32)
#include <windows.h>
#elif defined(MORROWJAR_HAVE_X11)
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdlib>
#endif

namespace mj::platform {

bool key_down_in_keymap(const char (&keymap)[32], unsigned keycode) {
  if (keycode == 0 || keycode >= 256) return false;
  return (static_cast<unsigned char>(keymap[keycode / 8]) >> (keycode % 8)) & 1u;
}

#if defined(_WIN32)

bool insert_key_down() { return (GetKeyState(VK_INSERT) & 0x80) != 0; }

#elif defined(MORROWJAR_HAVE_X11)

bool insert_key_down() {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return false;
  Display* display = XOpenDisplay(name);
  if (display == nullptr) return false;
  char keymap[32] = {};
  XQueryKeymap(display, keymap);
  const unsigned keycode = XKeysymToKeycode(display, XK_Insert);
  XCloseDisplay(display);
  return key_down_in_keymap(keymap, keycode);
}

#else

// macOS and systems without X11: no portable way to read a key before a
// window has focus, so the key counts as up.
bool insert_key_down() { return false; }

#endif

}  // namespace mj::platform
