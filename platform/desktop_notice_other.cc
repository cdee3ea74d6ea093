// SPDX-License-Identifier: MIT
#include <QObject>
#include <QTimer>

#include "platform/desktop_notice.h"

namespace mj::platform {

// No notification service here: every notice is reported as not taken, so
// that its sender shows what it had to say another way.
struct desktop_notices::state {
  QObject context;
};

desktop_notices::desktop_notices() : state_(std::make_unique<state>()) {}
desktop_notices::~desktop_notices() = default;

void desktop_notices::send(desktop_notice /*notice*/, std::function<void(bool taken)> taken) {
  QTimer::singleShot(0, &state_->context, [taken = std::move(taken)] { taken(false); });
}

}  // namespace mj::platform
