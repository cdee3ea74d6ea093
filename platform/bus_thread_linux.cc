// SPDX-License-Identifier: MIT
#include <systemd/sd-bus.h>

#include <QObject>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#include "base/wording.h"
#include "platform/bus_thread.h"

namespace mj::platform {

namespace {

std::atomic<int> connections_waited_for{0};

enum class bus_answer { answers, absent, silent };

// Asks the bus daemon for its id and waits for the answer up to the limit.
// sd-bus connects, authenticates and says hello without blocking, so all
// the waiting is in the loop below, which has a deadline.
bus_answer ask_bus(QDBusConnection::BusType type) {
  sd_bus* bus = nullptr;
  if ((type == QDBusConnection::SystemBus ? sd_bus_open_system(&bus) : sd_bus_open_user(&bus)) < 0)
    return bus_answer::absent;
  int outcome = 0;  // 0 waiting, 1 answered, -1 refused
  const auto on_reply = [](sd_bus_message* reply, void* state, sd_bus_error*) {
    *static_cast<int*>(state) = sd_bus_message_is_method_error(reply, nullptr) ? -1 : 1;
    return 0;
  };
  const uint64_t limit_us = static_cast<uint64_t>(kBusAnswerLimit.count()) * 1000;
  if (sd_bus_call_method_async(bus, nullptr, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                               "org.freedesktop.DBus", "GetId", on_reply, &outcome, "") < 0) {
    sd_bus_close_unref(bus);
    return bus_answer::absent;
  }
  const auto deadline = std::chrono::steady_clock::now() + kBusAnswerLimit;
  bus_answer answer = bus_answer::silent;
  while (true) {
    const int processed = sd_bus_process(bus, nullptr);
    if (processed < 0) {  // refused or closed: no bus there
      answer = bus_answer::absent;
      break;
    }
    if (outcome != 0) {
      answer = outcome > 0 ? bus_answer::answers : bus_answer::absent;
      break;
    }
    if (processed > 0) continue;
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) break;
    if (sd_bus_wait(bus, std::min<uint64_t>(static_cast<uint64_t>(left.count()), limit_us)) < 0) {
      answer = bus_answer::absent;
      break;
    }
  }
  sd_bus_close_unref(bus);
  return answer;
}

void tell_silent_bus(QDBusConnection::BusType type) {
  const std::string line =
      fill(type == QDBusConnection::SystemBus
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
  QObject::connect(owner, &QObject::destroyed, worker, &QObject::deleteLater, Qt::DirectConnection);
}

std::optional<QDBusConnection> connect_to_bus(QDBusConnection::BusType type, const QString& name) {
  ++connections_waited_for;
  std::optional<QDBusConnection> connected;
  switch (ask_bus(type)) {
    case bus_answer::answers: {
      QDBusConnection bus = QDBusConnection::connectToBus(type, name);
      if (bus.isConnected()) connected = bus;
      break;
    }
    case bus_answer::silent:
      tell_silent_bus(type);
      break;
    case bus_answer::absent:
      break;
  }
  --connections_waited_for;
  return connected;
}

bool buses_settled() { return connections_waited_for.load() == 0; }

void hide_silent_session_bus() {
  if (ask_bus(QDBusConnection::SessionBus) != bus_answer::silent) return;
  tell_silent_bus(QDBusConnection::SessionBus);
  // An address where no bus can be: connecting to it fails at once.
  qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null/silent-session-bus");
}

}  // namespace mj::platform
