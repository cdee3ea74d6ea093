// SPDX-License-Identifier: MIT
#include <windows.h>

#include "platform/key_state.h"

namespace mj::platform {

bool insert_key_down() { return (GetKeyState(VK_INSERT) & 0x80) != 0; }

}  // namespace mj::platform
