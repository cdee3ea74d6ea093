#include "writer/schedule_guide.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <string>
#include <vector>

#include "base/wording.h"
#include "platform/paths.h"
#include "rules/calendar.h"
#include "rules/next_openings.h"
#include "rules/schedule_name.h"
#include "rules/schedule_words.h"
#include "writer/capsule_store.h"

namespace mj::writer {

namespace {

using namespace std::chrono;

QString text_of(const std::string& utf8) { return QString::fromStdString(utf8); }

date date_of(const QDate& d) {
  return date{year{d.year()} / month{static_cast<unsigned>(d.month())} /
              std::chrono::day{static_cast<unsigned>(d.day())}};
}

QString day_text(date d) { return text_of(day_words(d)); }

// "today, Mon 7 Dec 2026", "tomorrow, Tue 8 Dec 2026", or the day alone.
QString day_with_name(date d, date today) {
  if (d == today)
    return QCoreApplication::translate("mj::writer::schedule_guide", "today, %1").arg(day_text(d));
  if (d == today + days{1})
    return QCoreApplication::translate("mj::writer::schedule_guide", "tomorrow, %1")
        .arg(day_text(d));
  return day_text(d);
}

// "today", "tomorrow", or the day.
QString short_day(date d, date today) {
  if (d == today) return QCoreApplication::translate("mj::writer::schedule_guide", "today");
  if (d == today + days{1})
    return QCoreApplication::translate("mj::writer::schedule_guide", "tomorrow");
  return day_text(d);
}

schedule_description description_of(const std::string& name, date today) {
  std::vector<failure> ignored;  // the forecast reports them
  return describe_schedule(split_schedule_name(name, 0, ignored),
                           static_cast<int>(year_month_day{today}.year()));
}

// The proposed date template ("26-12-") left without its day: a day that
// would open, from tomorrow on, for the example.
std::optional<QString> incomplete_date_words(const QString& name, date today) {
  static const QRegularExpression kTemplate(QStringLiteral("^\\s*(\\d{1,4})-(\\d{1,2})-\\s*$"));
  const QRegularExpressionMatch match = kTemplate.match(name);
  if (!match.hasMatch()) return std::nullopt;
  const QString year_text = match.captured(1);
  const int year_digits = year_text.toInt();
  const unsigned month_number = match.captured(2).toUInt();
  const auto same_month = [&](date d) {
    const year_month_day ymd{d};
    const int y = static_cast<int>(ymd.year());
    const bool same_year = year_text.size() <= 2 ? y % 100 == year_digits : y == year_digits;
    return same_year && static_cast<unsigned>(ymd.month()) == month_number;
  };
  for (const date d : {today + days{1}, today}) {
    if (same_month(d)) {
      // The example is a folder name: the day goes in as digits.
      return QCoreApplication::translate("mj::writer::schedule_guide",
                                         "Incomplete date: add a day, such as %1")
          .arg(name.trimmed() + QString::number(static_cast<unsigned>(year_month_day{d}.day())));
    }
  }
  return QCoreApplication::translate("mj::writer::schedule_guide", "Incomplete date: add a day");
}

QString never_words(const std::string& name, const opening_forecast& forecast, date today) {
  if (const auto incomplete = incomplete_date_words(text_of(name), today)) return *incomplete;
  if (!forecast.failures.empty())
    return QCoreApplication::translate("mj::writer::schedule_guide", "Never opens: %1")
        .arg(text_of(forecast.failures.front().description));
  const schedule_description described = description_of(name, today);
  switch (described.sense) {
    case schedule_sense::not_a_name:
    case schedule_sense::unreadable:
      return QCoreApplication::translate("mj::writer::schedule_guide",
                                         "Not a schedule name: this message would never open");
    case schedule_sense::never:
      return QCoreApplication::translate("mj::writer::schedule_guide", "Never opens: %1")
          .arg(text_of(described.never_because));
    case schedule_sense::opens:
      break;
  }
  // A date of its own never opens once it has passed (or when it lies beyond
  // the forecast).
  if (described.own_day && *described.own_day < today)
    return QCoreApplication::translate("mj::writer::schedule_guide", "Never opens: %1 has passed")
        .arg(day_text(*described.own_day));
  return QCoreApplication::translate("mj::writer::schedule_guide",
                                     "Never opens in the next %1 years (%2)")
      .arg(kForecastYears)
      .arg(text_of(described.message_words));
}

QString opening_words(const std::string& name, const opening_forecast& forecast, date today) {
  const date first =
      forecast.openings.empty() ? *forecast.every_run_from : forecast.openings.front();
  if (forecast.every_run_from && first == *forecast.every_run_from)
    return QCoreApplication::translate("mj::writer::schedule_guide",
                                       "Opens at every run from %1 on")
        .arg(short_day(first, today));
  if (forecast.openings.size() == 1 && !forecast.every_run_from) {
    if (first == today || first == today + days{1})
      return QCoreApplication::translate("mj::writer::schedule_guide", "Opens %1")
          .arg(day_with_name(first, today));
    return QCoreApplication::translate("mj::writer::schedule_guide", "Opens on %1")
        .arg(day_text(first));
  }
  return QCoreApplication::translate("mj::writer::schedule_guide", "Opens %1 — next: %2")
      .arg(text_of(description_of(name, today).message_words), day_with_name(first, today));
}

}  // namespace

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

schedule_reading read_schedule(const QString& schedule, wall_time now) {
  if (schedule.isEmpty())
    return {schedule_outlook::opens,
            QCoreApplication::translate("mj::writer::schedule_guide",
                                        "Opens in the capsule root at every run")};
  if (const std::optional<failure> refused = refusal_of_schedule(schedule))
    return {schedule_outlook::refused, text_of(refused->description)};
  QString folder = schedule;
  while (!folder.isEmpty() && platform::is_path_separator(folder.back().unicode())) folder.chop(1);
  for (const QChar c : folder) {
    if (platform::is_path_separator(c.unicode()))
      return {schedule_outlook::never_opens,
              QCoreApplication::translate("mj::writer::schedule_guide",
                                          "Not a schedule folder: the opener only opens folders "
                                          "right in the capsule root, so this message would never "
                                          "open")};
  }
  if (folder.startsWith(u'.'))
    return {schedule_outlook::never_opens,
            QCoreApplication::translate("mj::writer::schedule_guide",
                                        "Hidden folder: the opener passes over names that begin "
                                        "with \".\", so this message would never open")};

  const std::string name = folder.toStdString();
  const date today = floor<days>(now);
  const opening_forecast forecast = forecast_openings(name, now, 3);
  if (forecast.openings.empty() && !forecast.every_run_from)
    return {schedule_outlook::never_opens, never_words(name, forecast, today)};
  return {schedule_outlook::opens, opening_words(name, forecast, today)};
}

wall_time wall_time_of(const QDateTime& local) {
  return wall_time{date_of(local.date())} + seconds{local.time().msecsSinceStartOfDay() / 1000};
}

}  // namespace mj::writer
