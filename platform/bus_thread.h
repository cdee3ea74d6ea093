// SPDX-License-Identifier: MIT
// A thread of its own for a program's D-Bus work. Qt connects to a bus, and
// says hello to it, on one shared thread with a lock held, for as long as
// the bus takes to answer (libdbus waits 25 seconds); a bus that takes the
// connection and never answers would hold any thread that asked. Here only
// this thread waits: the event loop of the windows and timers asks it by
// queued calls and hears back by queued signals.
#pragma once

#include <QDBusConnection>
#include <QString>
#include <chrono>

class QObject;
class QThread;

namespace mj::platform {

// How long a bus may take to answer before the program goes on without it.
inline constexpr std::chrono::milliseconds kBusAnswerLimit{2000};

// The thread, started on first use and kept to the program's end (it is
// never waited for: it may be held by a bus that does not answer).
QThread* bus_thread();

// Moves `worker` (without a parent) to the bus thread; it is deleted there
// when `owner` is destroyed.
void move_to_bus_thread(QObject* worker, QObject* owner);

// Whether every bus connection asked for has been answered or refused, so
// that the program may end the usual way; false while one is still waited
// for on the bus thread.
bool buses_settled();

// Writes the one stderr line that says the bus `type` did not answer within
// kBusAnswerLimit.
void tell_silent_bus(QDBusConnection::BusType type);

// Connects to the bus `type` under the connection name `name`; call it on
// the bus thread. Counts for buses_settled() while it waits.
QDBusConnection connect_to_bus(QDBusConnection::BusType type, const QString& name);

}  // namespace mj::platform
