#include "writer/schedule_guide.h"

#include "rules/calendar.h"

namespace mj::writer {

QStringList schedule_choices(date today) {
  const QString year = QString::number(year_number(today));
  const QString date_entry =
      QStringLiteral("%1-%2-").arg(year.right(2), QString::number(month_number(today)));
  return {date_entry,
          QStringLiteral("YEAR"),
          QStringLiteral("MONTH"),
          QStringLiteral("DAY"),
          QStringLiteral("WEEK"),
          QStringLiteral("SUNDAY"),
          QStringLiteral("MONDAY"),
          QStringLiteral("TUESDAY"),
          QStringLiteral("WEDNESDAY"),
          QStringLiteral("THURSDAY"),
          QStringLiteral("FRIDAY"),
          QStringLiteral("SATURDAY"),
          QStringLiteral("TOMORROW"),
          QStringLiteral("EVERYDAY"),
          QStringLiteral("EVERY WEEK"),
          QStringLiteral("EVERY MONTH"),
          QStringLiteral("EVERY YEAR")};
}

}  // namespace mj::writer
