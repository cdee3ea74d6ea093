// SPDX-License-Identifier: MIT
#include "platform/x11_display.h"

#include <X11/Xlib.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace mj::platform {

namespace {

// What the opening thread and the caller share: the caller may leave before
// the thread ends, and the last of the two to let go frees it.
struct attempt {
  std::mutex lock;
  std::condition_variable done_changed;
  bool done = false;
  bool abandoned = false;
  Display* display = nullptr;
};

// Set once an attempt was given up. Xlib locks itself while it opens a
// display, and the abandoned attempt keeps waiting with the lock held: any
// later attempt in this process would wait behind it for ever.
std::atomic<bool> xlib_held{false};

}  // namespace

x11_opening open_x_display(const char* name, std::chrono::milliseconds limit) {
  const std::string key = name != nullptr ? name : "";
  if (xlib_held) return {nullptr, true};
  auto shared = std::make_shared<attempt>();
  std::thread([shared, key] {
    Display* display = XOpenDisplay(key.c_str());
    const std::lock_guard guard(shared->lock);
    if (shared->abandoned) {
      if (display != nullptr) XCloseDisplay(display);
      return;
    }
    shared->display = display;
    shared->done = true;
    shared->done_changed.notify_all();
  }).detach();

  std::unique_lock guard(shared->lock);
  if (shared->done_changed.wait_for(guard, limit, [&] { return shared->done; }))
    return {shared->display, false};
  shared->abandoned = true;
  xlib_held = true;
  return {nullptr, true};
}

}  // namespace mj::platform
