#include "opener/explain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <sstream>

namespace mj {

namespace {

QString from_bytes(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString iso(date d) { return QString::fromStdString(format_iso_date(d)); }

const char* yes_no(bool b) { return b ? "on" : "off"; }

}  // namespace

std::string_view due_kind_words(int16_t flag) {
  switch (flag) {
    case kNotDue:
      return "not due";
    case kWholeFolder:
      return "due: every file of the folder";
    case kUpToDay:
      return "due: files last modified up to the end of the first day";
    case kRepeating:
      return "due: files with a repetition within the day range";
    case kWithinRange:
      return "due: files last modified within the day range";
  }
  return "unknown due kind";
}

std::string explain_text(std::string_view folder_name, const folder_evaluation& e) {
  const schedule_name& s = e.name;
  const folder_result& r = e.result;
  std::ostringstream out;
  out << "name:      \"" << folder_name << "\"\n"
      << "split:     rule name \"" << s.rule_name << "\", minus " << yes_no(s.minus) << ", plus "
      << yes_no(s.plus) << ", period " << s.period << ", period2 " << s.period2 << ", mweek "
      << s.mweek << "\n"
      << "test:      "
      << (e.test == due_test::after ? "after (the name ends in \"-\")" : "just (due on the day)")
      << "\n"
      << "due kind:  " << r.flag << " (" << due_kind_words(r.flag) << ")\n"
      << "day range: " << format_iso_date(r.time_stamp) << " .. "
      << format_iso_date(r.time_stamp_to) << "\n"
      << "interval:  " << r.interval << "\n";
  if (e.failures.empty()) out << "failures:  none\n";
  for (const failure& f : e.failures)
    out << "failure:   " << f.code << " " << f.description << "\n";
  return out.str();
}

std::string explain_json(std::string_view folder_name, const folder_evaluation& e) {
  QJsonArray failures;
  for (const failure& f : e.failures)
    failures.append(QJsonObject{{"code", f.code}, {"description", from_bytes(f.description)}});
  const QJsonObject object{
      {"name", from_bytes(folder_name)},
      {"rule_name", from_bytes(e.name.rule_name)},
      {"minus", e.name.minus},
      {"plus", e.name.plus},
      {"period", e.name.period},
      {"period2", e.name.period2},
      {"mweek", e.name.mweek},
      {"flag", e.result.flag},
      {"interval", e.result.interval},
      {"test", e.test == due_test::after ? "after" : "just"},
      {"time_stamp", iso(e.result.time_stamp)},
      {"time_stamp_to", iso(e.result.time_stamp_to)},
      {"failures", failures},
  };
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace mj
