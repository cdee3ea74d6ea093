// SPDX-License-Identifier: MIT
#include <windows.h>

#include "platform/key_state.h"

namespace mj::platform {

// The key as it is now (the high bit of the asynchronous state). GetKeyState
// would give the state as of the last key message this thread read, and a
// program just started has read none: Insert held before it started would
// count as up.
bool insert_key_down() { return (GetAsyncKeyState(VK_INSERT) & 0x8000) != 0; }

}  // namespace mj::platform
