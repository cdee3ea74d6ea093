// SPDX-License-Identifier: MIT
// When the next day begins on the local calendar: the first instant at
// which the local date is later than it is now. That is local midnight on
// most days; where the clocks skip midnight (a daylight-saving change at
// 00:00, as in Havana or Beirut), it is the instant they jump past it, and
// where midnight comes twice (clocks set back over it), the first of the two.
#pragma once

#include <QDateTime>
#include <QTimeZone>

namespace mj::platform {

// The first instant after `now` at which the date in `zone` is later than
// the date there at `now`, in UTC. A day that the zone skips whole (Samoa's
// 30 December 2011) ends at the jump too. An invalid `zone` counts as UTC.
QDateTime next_day_start(const QDateTime& now, const QTimeZone& zone);

}  // namespace mj::platform
