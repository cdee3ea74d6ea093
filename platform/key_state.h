// SPDX-License-Identifier: MIT
// The skip key: holding Insert while the opener starts skips its run.
#pragma once

namespace mj::platform {

// Whether the Insert key is held down now. Where the key state cannot be read
// (no display, a Wayland session without X) the key counts as up.
bool insert_key_down();

// Whether `keycode` is down in a 32-byte X11 key map (one bit per keycode).
inline bool key_down_in_keymap(const char (&keymap)[32], unsigned keycode) {
  if (keycode == 0 || keycode >= 256) return false;
  return (static_cast<unsigned char>(keymap[keycode / 8]) >> (keycode % 8)) & 1u;
}

}  // namespace mj::platform
