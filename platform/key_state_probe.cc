// SPDX-License-Identifier: MIT
// Prints "down" or "up" for the Insert key, as the opener's start-up sees it.
#include <cstdio>

#include "platform/key_state.h"

int main() {
  std::puts(mj::platform::insert_key_down() ? "down" : "up");
  return 0;
}
