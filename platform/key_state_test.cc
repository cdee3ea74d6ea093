// SPDX-License-Identifier: MIT
#include "platform/key_state.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace mj::platform {
namespace {

TEST(KeyState, ReadsOneBitPerKeycode) {
  char keymap[32] = {};
  keymap[118 / 8] = static_cast<char>(1 << (118 % 8));  // Insert on a usual PC layout
  EXPECT_TRUE(key_down_in_keymap(keymap, 118));
  EXPECT_FALSE(key_down_in_keymap(keymap, 119));
  EXPECT_FALSE(key_down_in_keymap(keymap, 117));
  // Keycode 0 means the layout has no Insert key at all.
  keymap[0] = static_cast<char>(0xFF);
  EXPECT_FALSE(key_down_in_keymap(keymap, 0));
  keymap[31] = static_cast<char>(0x80);
  EXPECT_TRUE(key_down_in_keymap(keymap, 255));
}

TEST(KeyState, WithoutADisplayTheKeyIsUp) {
#ifdef _WIN32
  GTEST_SKIP() << "X11 displays only; win32_test.cc checks the Windows key state";
#else
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  EXPECT_FALSE(insert_key_down());
  setenv("DISPLAY", ":999", 1);  // no server there
  EXPECT_FALSE(insert_key_down());
#endif
}

}  // namespace
}  // namespace mj::platform
