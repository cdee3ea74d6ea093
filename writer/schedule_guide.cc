#include "writer/schedule_guide.h"

#include <QRegularExpression>
#include <string>
#include <vector>

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

// "today, Mon 7 Dec 2026", "tomorrow, Tue 8 Dec 2026", or the day alone.
QString day_words(date d, date today) {
  const QString day = text_of(format_day(d));
  if (d == today) return QStringLiteral("today, ") + day;
  if (d == today + days{1}) return QStringLiteral("tomorrow, ") + day;
  return day;
}

// "today", "tomorrow", or the day.
QString short_day_words(date d, date today) {
  if (d == today) return QStringLiteral("today");
  if (d == today + days{1}) return QStringLiteral("tomorrow");
  return text_of(format_day(d));
}

// The rules' reading of a name, turned to follow "Opens": "each file again
// every month ..." becomes "again every month ...", "the 2nd Sunday ..."
// becomes "on the 2nd Sunday ...".
QString rule_words(const std::string& described) {
  QString words = text_of(described);
  const QString each_file = QStringLiteral("each file ");
  if (words.startsWith(each_file)) words.remove(0, each_file.size());
  if (words.startsWith(QStringLiteral("the "))) words.prepend(QStringLiteral("on "));
  return words;
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
  QString example = QStringLiteral("Incomplete date: add a day");
  for (const date d : {today + days{1}, today}) {
    if (same_month(d)) {
      example += QStringLiteral(", such as %1%2")
                     .arg(name.trimmed())
                     .arg(static_cast<unsigned>(year_month_day{d}.day()));
      break;
    }
  }
  return example;
}

QString never_words(const std::string& name, const opening_forecast& forecast, date today) {
  if (const auto incomplete = incomplete_date_words(text_of(name), today)) return *incomplete;
  const QString not_a_name = QStringLiteral("Not a schedule name: this message would never open");
  if (!forecast.failures.empty())
    return QStringLiteral("Never opens: ") + text_of(forecast.failures.front().description);
  std::vector<failure> ignored;  // the forecast has reported them
  const QString described = text_of(describe_schedule(
      split_schedule_name(name, 0, ignored), static_cast<int>(year_month_day{today}.year())));
  if (described.startsWith(QStringLiteral("not a schedule name")) ||
      described.startsWith(QStringLiteral("an empty rule name")))
    return not_a_name;
  const QString never = QStringLiteral("never: ");
  if (described.startsWith(never))
    return QStringLiteral("Never opens: ") + described.mid(never.size());
  // A date of its own, such as "on 1 December 2026", never opens when it has
  // passed (or lies beyond the forecast).
  static const QRegularExpression kOwnDate(QStringLiteral("^on (\\d{1,2} [A-Z][a-z]+ \\d{3,4})"));
  const QRegularExpressionMatch own_date = kOwnDate.match(described);
  if (own_date.hasMatch()) {
    const QDate day = QDate::fromString(own_date.captured(1), QStringLiteral("d MMMM yyyy"));
    if (day.isValid() && date_of(day) < today)
      return QStringLiteral("Never opens: %1 has passed").arg(own_date.captured(1));
  }
  return QStringLiteral("Never opens in the next %1 years (%2)").arg(kForecastYears).arg(described);
}

QString opening_words(const std::string& name, const opening_forecast& forecast, date today) {
  const date first =
      forecast.openings.empty() ? *forecast.every_run_from : forecast.openings.front();
  if (forecast.every_run_from && first == *forecast.every_run_from)
    return QStringLiteral("Opens at every run from %1 on").arg(short_day_words(first, today));
  if (forecast.openings.size() == 1 && !forecast.every_run_from) {
    if (first == today || first == today + days{1})
      return QStringLiteral("Opens ") + day_words(first, today);
    return QStringLiteral("Opens on ") + day_words(first, today);
  }
  std::vector<failure> ignored;
  const std::string described = describe_schedule(split_schedule_name(name, 0, ignored),
                                                  static_cast<int>(year_month_day{today}.year()));
  return QStringLiteral("Opens %1 — next: %2").arg(rule_words(described), day_words(first, today));
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
    return {schedule_outlook::opens, QStringLiteral("Opens in the capsule root at every run")};
  if (const std::optional<failure> refused = refusal_of_schedule(schedule))
    return {schedule_outlook::refused, text_of(refused->description)};
  QString folder = schedule;
  while (!folder.isEmpty() && platform::is_path_separator(folder.back().unicode())) folder.chop(1);
  for (const QChar c : folder) {
    if (platform::is_path_separator(c.unicode()))
      return {schedule_outlook::never_opens,
              QStringLiteral("Not a schedule folder: the opener only opens folders right in the "
                             "capsule root, so this message would never open")};
  }
  if (folder.startsWith(u'.'))
    return {schedule_outlook::never_opens,
            QStringLiteral("Hidden folder: the opener passes over names that begin with \".\", "
                           "so this message would never open")};

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
