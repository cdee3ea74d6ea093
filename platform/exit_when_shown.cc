// SPDX-License-Identifier: MIT
#include "platform/exit_when_shown.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace mj::platform {

namespace {

class quit_after_first_paint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !quitting_) {
      quitting_ = true;
      const auto shown = std::chrono::duration_cast<std::chrono::microseconds>(
          std::chrono::system_clock::now().time_since_epoch());
      std::fprintf(stderr, "shown_at_us %lld\n", static_cast<long long>(shown.count()));
      // Queued, so the painted window reaches the screen before the end.
      QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool quitting_ = false;
};

}  // namespace

void exit_when_shown_if_asked(QWidget* window) {
  if (qEnvironmentVariableIsSet("MORROWJAR_EXIT_WHEN_SHOWN"))
    window->installEventFilter(new quit_after_first_paint(window));
}

}  // namespace mj::platform
