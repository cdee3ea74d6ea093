// SPDX-License-Identifier: MIT
#include "platform/sleep_watch.h"

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <memory>

#include "platform/bus_thread.h"

namespace mj::platform {

namespace {

// Lives on the bus thread: connects to the system bus there and passes
// logind's wake-ups on.
class wake_listener : public QObject {
  Q_OBJECT

 public slots:
  void listen() {
    QDBusConnection bus = connect_to_bus(QDBusConnection::SystemBus,
                                         QStringLiteral("morrowjar_sleep_watch"));
    emit answered();
    if (!bus.isConnected()) return;
    // Any sender: matching on logind's well-known name would make Qt ask
    // the bus who owns it, and wait for the answer.
    bus.connect(QString(), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"),
                QStringLiteral("PrepareForSleep"), this, SLOT(on_prepare_for_sleep(bool)));
  }

  void on_prepare_for_sleep(bool going_to_sleep) {
    if (!going_to_sleep) emit woke();
  }

 signals:
  void answered();
  void woke();
};

}  // namespace

void watch_wake_ups(QObject* owner, std::function<void()> on_wake) {
  auto* listener = new wake_listener;
  auto answered = std::make_shared<bool>(false);
  QObject::connect(listener, &wake_listener::answered, owner, [answered] { *answered = true; });
  QObject::connect(listener, &wake_listener::woke, owner, std::move(on_wake));
  QTimer::singleShot(kBusAnswerLimit, owner, [answered] {
    if (!*answered) tell_silent_bus(QDBusConnection::SystemBus);
  });
  move_to_bus_thread(listener, owner);
  QMetaObject::invokeMethod(listener, &wake_listener::listen, Qt::QueuedConnection);
}

}  // namespace mj::platform

#include "sleep_watch_linux.moc"
