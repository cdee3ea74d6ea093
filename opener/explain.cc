#include "opener/explain.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "base/wording.h"
#include "rules/lenient_readings.h"
#include "rules/schedule_words.h"

namespace mj {

QString from_utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const char* due_kind_key(due_kind kind) {
  switch (kind) {
    case due_kind::not_due:
      return "no";
    case due_kind::all_files:
      return "all_files";
    case due_kind::files_up_to:
      return "files_up_to";
    case due_kind::repeating:
      return "repeating";
    case due_kind::files_within:
      return "files_within";
  }
  return "no";
}

QJsonValue json_date(date d) {
  if (d == zero_date) return QJsonValue(QJsonValue::Null);
  return QString::fromStdString(format_iso_date(d));
}

QJsonArray json_failures(const std::vector<failure>& failures) {
  QJsonArray array;
  for (const failure& f : failures)
    array.append(
        QJsonObject{{"code", code_number(f.code)}, {"description", from_utf8(f.description)}});
  return array;
}

std::string explain_text(std::string_view folder_name, const folder_evaluation& e, date today,
                         long long missed_days) {
  // How the name reads does not depend on the missed days: only its window does.
  std::vector<failure> ignored;
  const schedule_name plain = split_schedule_name(folder_name, 0, ignored);
  const std::string day = day_words(today);
  const std::string verdict = describe_verdict(e);
  std::string out = fill(localized("mj::explain", "\"%1\" reads as: %2."),
                         {folder_name, describe_schedule(plain, year_number(today)).words}) +
                    "\n";
  if (missed_days <= 0)
    out += fill(localized("mj::explain", "On %1: %2."), {day, verdict});
  else if (missed_days == 1)
    out += fill(localized("mj::explain", "On %1, after 1 missed day: %2."), {day, verdict});
  else
    out += fill(localized("mj::explain", "On %1, after %2 missed days: %3."),
                {day, std::to_string(missed_days), verdict});
  out += "\n";
  if (e.test == due_test::on_day && e.verdict.kind == due_kind::not_due && e.name.catch_up &&
      missed_days == 0)
    out += localized("mj::explain",
                     "With \"+\", days the opener missed before that day would count too.") +
           "\n";
  if (const auto lenient = lenient_reading_of(folder_name, year_number(today)))
    out += fill(localized("mj::explain", "Note: %1"), {lenient->words}) + "\n";
  for (const failure& f : e.failures)
    out += fill(localized("mj::explain", "Problem: %1."), {f.description}) + "\n";
  return out;
}

std::string next_text(std::string_view folder_name, date today, date counted_from,
                      const opening_forecast& f) {
  const std::string stored_on = day_words(today);
  std::vector<date> single_days = f.openings;
  if (f.every_run_from) std::erase(single_days, *f.every_run_from);
  std::string out;
  if (counted_from > today)
    out =
        fill(localized("mj::explain", "The opener's run of %1 is over: the runs count from %2 on."),
             {stored_on, day_words(counted_from)}) +
        "\n";
  if (f.openings.empty()) {
    out += fill(
        localized("mj::explain", "A file stored on %1 in \"%2\" would not open within %3 years."),
        {stored_on, folder_name, std::to_string(kForecastYears)});
  } else if (single_days.empty()) {
    out += fill(localized("mj::explain",
                          "A file stored on %1 in \"%2\" would open at every run from %3 on."),
                {stored_on, folder_name, day_words(*f.every_run_from)});
  } else {
    out += fill(localized("mj::explain", "A file stored on %1 in \"%2\" would open on:"),
                {stored_on, folder_name});
    for (date d : single_days) out += "\n  " + day_words(d);
    if (f.every_run_from)
      out += "\n" + fill(localized("mj::explain", "and at every run from %1 on."),
                         {day_words(*f.every_run_from)});
  }
  out += "\n";
  for (const failure& failed : f.failures)
    out += fill(localized("mj::explain", "Problem: %1."), {failed.description}) + "\n";
  return out;
}

std::string next_json(std::string_view folder_name, date today, date counted_from,
                      const opening_forecast& f) {
  QJsonArray openings;
  for (date d : f.openings) openings.append(QString::fromStdString(format_iso_date(d)));
  const QJsonObject object{
      {"name", from_utf8(folder_name)},
      {"today", QString::fromStdString(format_iso_date(today))},
      {"counted_from", QString::fromStdString(format_iso_date(counted_from))},
      {"openings", openings},
      {"every_run_from", f.every_run_from ? json_date(*f.every_run_from) : QJsonValue()},
      {"failures", json_failures(f.failures)},
  };
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

namespace {

// {kind, suggestion} of a name read only leniently, else null. Neither
// depends on the year near which short years are read (only the words do).
QJsonValue lenient_json(std::string_view folder_name) {
  const auto lenient = lenient_reading_of(folder_name, 2000);
  if (!lenient) return QJsonValue(QJsonValue::Null);
  return QJsonObject{{"kind", lenient_kind_key(lenient->kind)},
                     {"suggestion", from_utf8(lenient->suggestion)}};
}

}  // namespace

std::string explain_json(std::string_view folder_name, const folder_evaluation& e) {
  const QJsonObject object{
      {"name", from_utf8(folder_name)},
      {"rule", from_utf8(e.name.rule)},
      {"week_of_month", e.name.week_of_month},
      {"days", e.name.days},
      {"window_days", e.name.window_days},
      {"catch_up", e.name.catch_up},
      {"stays_due", e.name.stays_due},
      {"test", e.test == due_test::from_day_on ? "after" : "on_day"},
      {"due", due_kind_key(e.verdict.kind)},
      {"from", json_date(e.verdict.from)},
      {"to", json_date(e.verdict.to)},
      {"repeat_every", e.verdict.repeat_every},
      {"failures", json_failures(e.failures)},
      {"lenient", lenient_json(folder_name)},
  };
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace mj
