// SPDX-License-Identifier: MIT
// Hearing that the computer's time zone changed, so that a program waiting
// for the next local midnight can measure its wait again and look at the
// date at once.
#pragma once

#include <QByteArray>
#include <functional>

class QObject;

namespace mj::platform {

// Calls `on_change` with the new zone's id (an IANA name such as
// "Europe/Paris") from the event loop each time the local time zone changes,
// for as long as `owner` lives. On POSIX systems the files that name the zone
// lie in /etc, and a change of zone replaces one. Elsewhere it is never
// called.
void watch_zone_changes(QObject* owner, std::function<void(const QByteArray& zone_id)> on_change);

}  // namespace mj::platform
