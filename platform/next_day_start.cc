// SPDX-License-Identifier: MIT
#include "platform/next_day_start.h"

#include <algorithm>
#include <limits>

namespace mj::platform {

QDateTime next_day_start(const QDateTime& now, const QTimeZone& zone_given) {
  const QTimeZone zone = zone_given.isValid() ? zone_given : QTimeZone::utc();
  const QDateTime now_utc = now.toUTC();
  const qint64 now_ms = now_utc.toMSecsSinceEpoch();
  const QDate tomorrow = now_utc.toTimeZone(zone).date().addDays(1);
  // Tomorrow's midnight on the wall clock, counted as if the wall clock were
  // UTC: an instant is in tomorrow (or later) when its UTC time plus the
  // offset in force then reaches it.
  const qint64 midnight_on_wall =
      QDateTime(tomorrow, QTime(0, 0), QTimeZone::utc()).toMSecsSinceEpoch();

  // The time from now on falls into periods of one offset each, split at the
  // zone's transitions; the day starts in the first period that reaches
  // tomorrow's midnight, at that midnight or, when the period begins past
  // it (a skipped midnight), at the period's start. Three days hold any day.
  const QTimeZone::OffsetDataList transitions = zone.hasTransitions()
                                                    ? zone.transitions(now_utc, now_utc.addDays(3))
                                                    : QTimeZone::OffsetDataList();
  qint64 period_start = now_ms;
  int offset_s = zone.offsetFromUtc(now_utc);
  for (qsizetype i = 0;; ++i) {
    const bool last = i >= transitions.size();
    const qint64 period_end =
        last ? std::numeric_limits<qint64>::max() : transitions[i].atUtc.toMSecsSinceEpoch();
    const qint64 start = std::max(period_start, midnight_on_wall - offset_s * qint64{1000});
    if (start < period_end && start > now_ms)
      return QDateTime::fromMSecsSinceEpoch(start, QTimeZone::utc());
    if (last) break;
    period_start = std::max(period_end, now_ms);
    offset_s = transitions[i].offsetFromUtc;
  }
  // Not reached: the last period has no end. A day later, should it be.
  return now_utc.addDays(1);
}

}  // namespace mj::platform
