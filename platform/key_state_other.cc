// SPDX-License-Identifier: MIT
#include "platform/key_state.h"

namespace mj::platform {

// Systems without X11 (macOS): no portable way to read a key before a window
// has focus, so the key counts as up.
bool insert_key_down() { return false; }

}  // namespace mj::platform
