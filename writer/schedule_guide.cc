// SPDX-License-Identifier: MIT
#include "writer/schedule_guide.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <string>
#include <vector>

#include "base/passed_over.h"
#include "base/wording.h"
#include "platform/paths.h"
#include "rules/calendar.h"
#include "rules/lenient_readings.h"
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
std::optional<QString> incomplete_date_words(const QString& name, date today, date first_run) {
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
    if (d >= first_run && same_month(d)) {
      // The example is a folder name: the day goes in as digits.
      return QCoreApplication::translate("mj::writer::schedule_guide",
                                         "Incomplete date: add a day, such as %1")
          .arg(name.trimmed() + QString::number(static_cast<unsigned>(year_month_day{d}.day())));
    }
  }
  return QCoreApplication::translate("mj::writer::schedule_guide", "Incomplete date: add a day");
}

QString never_words(const std::string& name, const opening_forecast& forecast, date today,
                    date first_run) {
  if (const auto incomplete = incomplete_date_words(text_of(name), today, first_run))
    return *incomplete;
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
  if (described.own_day && *described.own_day < first_run)
    return QCoreApplication::translate("mj::writer::schedule_guide",
                                       "Never opens: today's run of the opener is over, and "
                                       "%1 has no other")
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

// A date of its own ("26-12-7") opens again when its short year is read a
// century on (as 2126): for the message stored now, that is no opening.
void drop_century_rereadings(const std::string& name, opening_forecast& forecast, date today) {
  const std::optional<date> own_day = description_of(name, today).own_day;
  if (!own_day) return;
  constexpr days kNearlyACentury{36000};
  std::erase_if(forecast.openings, [&](date d) { return d - *own_day >= kNearlyACentury; });
}

// A name whose openings are single days misses one the computer is not used
// on; its "+" form opens at the next run after instead. Names with "+" say so.
QString with_missed_days(const QString& words, const std::string& name,
                         const opening_forecast& forecast) {
  if (forecast.every_run_from) return words;
  if (const std::optional<std::string> catching_up = catch_up_form(name))
    return QCoreApplication::translate("mj::writer::schedule_guide",
                                       "%1, if the computer is used that day — %2 also opens at "
                                       "the next run after")
        .arg(words, text_of(*catching_up));
  std::vector<failure> ignored;
  if (split_schedule_name(name, 0, ignored).catch_up)
    return QCoreApplication::translate("mj::writer::schedule_guide",
                                       "%1, or at the next run after it")
        .arg(words);
  return words;
}

}  // namespace

QStringList schedule_choices(date today) {
  const QString year = QString::number(year_number(today));
  const QString date_entry =
      QStringLiteral("%1-%2-").arg(year.right(2), QString::number(month_number(today)));
  QStringList choices = {date_entry, QStringLiteral("YEAR"), QStringLiteral("MONTH"),
                         QStringLiteral("DAY"), QStringLiteral("WEEK")};
  // The weekdays, "TOMORROW" and the repeating names; each that opens on
  // single days (all but "EVERYDAY") followed by its "+" form.
  for (const char* single_days :
       {"SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY", "TOMORROW",
        "EVERYDAY", "EVERY WEEK", "EVERY MONTH", "EVERY YEAR"}) {
    const QString name = QString::fromLatin1(single_days);
    choices << name;
    if (name != QLatin1String("EVERYDAY")) choices << name + u'+';
  }
  return choices;
}

schedule_reading read_schedule(const QString& schedule, wall_time now,
                               std::optional<date> served_through) {
  const date today = floor<days>(now);
  const date first_run = first_day_with_a_run(today, served_through);
  if (schedule.isEmpty())
    return {schedule_outlook::doubtful,
            QCoreApplication::translate("mj::writer::schedule_guide",
                                        "No schedule: opens at every run, from %1 on")
                .arg(short_day(first_run, today))};
  if (const result<void> refused = refusal_of_schedule(schedule); !refused.ok())
    return {schedule_outlook::refused, text_of(refused.error().description)};
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
  if (is_passed_over_name(folder.toStdString()))
    return {schedule_outlook::never_opens,
            QCoreApplication::translate("mj::writer::schedule_guide",
                                        "Hidden folder: the opener passes over names that begin "
                                        "with \".\", so this message would never open")};

  const std::string name = folder.toStdString();
  opening_forecast forecast = forecast_openings(name, now, 3, first_run);
  if (!forecast.every_run_from) drop_century_rereadings(name, forecast, today);
  if (forecast.openings.empty() && !forecast.every_run_from)
    return {schedule_outlook::never_opens, never_words(name, forecast, today, first_run)};
  const QString words = with_missed_days(opening_words(name, forecast, today), name, forecast);
  if (const std::optional<lenient_reading> lenient = lenient_reading_of(name, year_number(today))) {
    QString advice = text_of(lenient->words);
    if (!advice.isEmpty()) advice[0] = advice[0].toUpper();
    return {schedule_outlook::doubtful, words + u'\n' + advice};
  }
  return {schedule_outlook::opens, words};
}

wall_time wall_time_of(const QDateTime& local) {
  return wall_time{date_of(local.date())} + seconds{local.time().msecsSinceStartOfDay() / 1000};
}

}  // namespace mj::writer
