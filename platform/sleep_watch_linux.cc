// SPDX-License-Identifier: MIT
#include <QDBusConnection>
#include <QObject>

#include "platform/bus_thread.h"
#include "platform/sleep_watch.h"

namespace mj::platform {

namespace {

// Lives on the bus thread: connects to the system bus there and passes
// logind's wake-ups on.
class wake_listener : public QObject {
  Q_OBJECT

 public slots:
  void listen() {
    std::optional<QDBusConnection> bus =
        connect_to_bus(QDBusConnection::SystemBus, QStringLiteral("morrowjar_sleep_watch"));
    if (!bus) return;
    // Any sender: matching on logind's well-known name would make Qt ask
    // the bus who owns it, and wait for the answer.
    bus->connect(QString(), QStringLiteral("/org/freedesktop/login1"),
                 QStringLiteral("org.freedesktop.login1.Manager"),
                 QStringLiteral("PrepareForSleep"), this, SLOT(on_prepare_for_sleep(bool)));
  }

  void on_prepare_for_sleep(bool going_to_sleep) {
    if (!going_to_sleep) emit woke();
  }

 signals:
  void woke();
};

}  // namespace

void watch_wake_ups(QObject* owner, std::function<void()> on_wake) {
  auto* listener = new wake_listener;
  QObject::connect(listener, &wake_listener::woke, owner, std::move(on_wake));
  move_to_bus_thread(listener, owner);
  QMetaObject::invokeMethod(listener, &wake_listener::listen, Qt::QueuedConnection);
}

}  // namespace mj::platform

#include "sleep_watch_linux.moc"
