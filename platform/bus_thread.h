// SPDX-License-Identifier: MIT
// A thread of its own for a program's D-Bus work, and connections that
// never wait long on a bus. Qt connects to a bus, and says hello to it, on
// one thread it shares between all connections of the program; a bus that
// takes the connection and never answers holds that thread for ever (libdbus
// sets no limit while it authenticates), and with it every other bus
// connection of the program and any thread that asks. So a bus is first
// asked, with a limit, whether it answers at all, and Qt connects only to
// one that does; and the asking happens here, never on the thread of the
// windows and timers, which hears back by queued signals.
#pragma once

#include <chrono>

// The bus thread itself exists where the programs use D-Bus (Linux); the
// rest of the systems have only the two calls at the end.
#if defined(__linux__)
#include <QDBusConnection>
#include <QString>
#include <optional>

class QObject;
class QThread;
#endif

namespace mj::platform {

// How long a bus may take to answer before the program goes on without it.
inline constexpr std::chrono::milliseconds kBusAnswerLimit{2000};

#if defined(__linux__)

// The thread, started on first use and kept to the program's end (it is
// never waited for).
QThread* bus_thread();

// Moves `worker` (without a parent) to the bus thread; it is deleted there
// when `owner` is destroyed.
void move_to_bus_thread(QObject* worker, QObject* owner);

// Connects to the bus `type` under the connection name `name`; call it on
// the bus thread. Nothing when there is no such bus, or when it did not
// answer within kBusAnswerLimit (one line on stderr says so then).
std::optional<QDBusConnection> connect_to_bus(QDBusConnection::BusType type, const QString& name);
#endif

// Call before a program with windows makes its QApplication. Qt's windows
// connect to the session bus themselves, on their own thread, for the
// accessibility services; a session bus that takes the connection and never
// answers would hold them for ever. One that does not answer within
// kBusAnswerLimit is told on stderr and hidden from Qt, which then goes on
// without it. A bus that answers costs one round trip.
void hide_silent_session_bus();

// Whether no bus connection is being waited for, so that the program may
// end the usual way: Qt's D-Bus waits, as the program ends, for the thread
// that a bus turned silent mid-connection still holds. False then.
bool buses_settled();

}  // namespace mj::platform
