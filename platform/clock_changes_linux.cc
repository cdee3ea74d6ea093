// SPDX-License-Identifier: MIT
#include <sys/timerfd.h>
#include <unistd.h>

#include <QObject>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>

#include "platform/clock_changes.h"

namespace mj::platform {

namespace {

// A timer on the wall clock that is due only in the far future: it never
// fires, but the kernel cancels it, and so wakes its reader, whenever the
// wall clock is set.
bool arm(int fd) {
  itimerspec far{};
  far.it_value.tv_sec = std::time(nullptr) + 100LL * 366 * 24 * 3600;
  return ::timerfd_settime(fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr) == 0;
}

}  // namespace

void watch_clock_changes(QObject* owner, std::function<void()> on_change) {
  const int fd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
  if (fd < 0) return;
  if (!arm(fd)) {
    ::close(fd);
    return;
  }
  auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, owner);
  QObject::connect(notifier, &QObject::destroyed, [fd] { ::close(fd); });
  QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                   [fd, on_change = std::move(on_change)](QSocketDescriptor) {
                     std::uint64_t expirations = 0;
                     const ssize_t got = ::read(fd, &expirations, sizeof expirations);
                     if (got < 0 && errno == ECANCELED) {
                       arm(fd);
                       on_change();
                     }
                   });
}

}  // namespace mj::platform
