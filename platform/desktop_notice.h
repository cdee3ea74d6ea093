// SPDX-License-Identifier: MIT
// Desktop notifications (org.freedesktop.Notifications on the session bus on
// Linux), sent without ever waiting on the bus: the connection, the call and
// its answer all happen on a thread of their own, and the sender hears back,
// within a few seconds whatever the bus does, whether a notification server
// took the notice.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace mj::platform {

// How long a notice may wait for a notification server to take it, from
// the moment it is sent.
inline constexpr std::chrono::milliseconds kNoticeAnswerLimit{5000};

struct desktop_notice {
  std::string summary;
  std::string body;
  // With a label, the notice offers one action of that name (where the
  // notification server shows actions); `on_action` runs when it is chosen.
  // Only the latest notice's action counts.
  std::string action_label;
  std::function<void()> on_action;
};

class desktop_notices {
 public:
  // Starts connecting to the session bus at once, so that the first notice
  // finds it ready. A bus that takes the connection but does not answer
  // within two seconds is told once on stderr, and notices are not shown.
  desktop_notices();
  ~desktop_notices();
  desktop_notices(const desktop_notices&) = delete;
  desktop_notices& operator=(const desktop_notices&) = delete;

  // Sends `notice`, and calls `taken` from the event loop exactly once: with
  // true when a notification server took it, with false when none did (no
  // session bus, a bus that does not answer, no notification server, an
  // error, or no answer within kNoticeAnswerLimit). Never waits.
  void send(desktop_notice notice, std::function<void(bool taken)> taken);

  struct state;

 private:
  std::unique_ptr<state> state_;
};

}  // namespace mj::platform
