// SPDX-License-Identifier: MIT
#include "platform/bus_thread.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <cstdio>
#include <string>

#include "base/wording.h"

namespace mj::platform {

namespace {

std::atomic<int> connections_waited_for{0};

}  // namespace

QThread* bus_thread() {
  static QThread* const thread = [] {
    auto* t = new QThread;
    t->setObjectName(QStringLiteral("bus"));
    t->start();
    return t;
  }();
  return thread;
}

void move_to_bus_thread(QObject* worker, QObject* owner) {
  worker->moveToThread(bus_thread());
  QObject::connect(owner, &QObject::destroyed, worker, &QObject::deleteLater,
                   Qt::DirectConnection);
}

bool buses_settled() { return connections_waited_for.load() == 0; }

QDBusConnection connect_to_bus(QDBusConnection::BusType type, const QString& name) {
  ++connections_waited_for;
  QDBusConnection bus = QDBusConnection::connectToBus(type, name);
  --connections_waited_for;
  return bus;
}

void tell_silent_bus(QDBusConnection::BusType type) {
  const std::string line = fill(
      type == QDBusConnection::SystemBus
          ? localized("mj::platform::bus",
                      "%1: the system bus took the connection but did not answer within %2 "
                      "seconds; going on without it (no runs on waking from sleep).")
          : localized("mj::platform::bus",
                      "%1: the session bus took the connection but did not answer within %2 "
                      "seconds; going on without it (no desktop notifications)."),
      {program_invocation_short_name, std::to_string(kBusAnswerLimit.count() / 1000)});
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
}

}  // namespace mj::platform
