#include "opener/dry_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <sstream>

#include "opener/explain.h"
#include "platform/capsule_root.h"

namespace mj {

namespace {

QString utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString iso(date d) { return QString::fromStdString(format_iso_date(d)); }

std::string why_due(const dry_run_report& report, const queue_entry& entry) {
  if (!entry.folder) return "capsule root: opens at every run";
  const scanned_folder& folder = report.plan.scan.folders[*entry.folder];
  const folder_result& r = folder.evaluation.result;
  std::ostringstream out;
  out << "folder \"" << folder.name << "\", due kind " << r.flag << " (" << due_kind_words(r.flag)
      << ")";
  if (r.flag != kWholeFolder)
    out << ", days " << format_iso_date(r.time_stamp) << ".." << format_iso_date(r.time_stamp_to);
  if (r.flag == kRepeating) out << ", every " << r.interval;
  return out.str();
}

QJsonArray queue_json(const dry_run_report& report) {
  QJsonArray queue;
  for (const queue_entry& e : report.plan.selection.open_queue) {
    const bool in_folder = e.folder.has_value();
    queue.append(QJsonObject{
        {"path", utf8(e.path)},
        {"folder", in_folder ? utf8(report.plan.scan.folders[*e.folder].name) : QString()},
        // A root file opens at every run, whatever a due kind would say.
        {"flag", in_folder ? QJsonValue(report.plan.scan.folders[*e.folder].evaluation.result.flag)
                           : QJsonValue()},
    });
  }
  return queue;
}

QJsonArray folders_json(const dry_run_report& report) {
  QJsonArray folders;
  for (const scanned_folder& f : report.plan.scan.folders) {
    const folder_result& r = f.evaluation.result;
    folders.append(QJsonObject{
        {"name", utf8(f.name)},
        {"flag", r.flag},
        {"time_stamp", iso(r.time_stamp)},
        {"time_stamp_to", iso(r.time_stamp_to)},
        {"interval", r.interval},
    });
  }
  return folders;
}

}  // namespace

dry_run_report dry_run(std::string_view prev_date_text, date today, std::string_view location) {
  dry_run_report report;
  const failure_sink keep = [&report](const failure& f) { report.failures.push_back(f); };
  report.start = start_run(prev_date_text, today, keep);
  report.plan = plan_run(platform::trim_blanks(location), report.start, keep);
  return report;
}

std::string dry_run_text(const dry_run_report& report) {
  std::ostringstream out;
  out << "# capsule root " << report.plan.root.full_path() << ", today "
      << format_iso_date(report.start.calendar.today) << ", missed days "
      << report.start.missed_days << ", " << report.plan.selection.open_queue.size()
      << " file(s) to open\n";
  for (const queue_entry& e : report.plan.selection.open_queue)
    out << e.path << "\t" << why_due(report, e) << "\n";
  for (const failure& f : report.failures)
    out << "# failure " << f.code << ": " << f.description << "\n";
  return out.str();
}

std::string dry_run_json(const dry_run_report& report) {
  QJsonArray failures;
  for (const failure& f : report.failures)
    failures.append(QJsonObject{{"code", f.code}, {"description", utf8(f.description)}});
  const QJsonObject object{
      {"root", utf8(report.plan.root.full_path())},
      {"today", iso(report.start.calendar.today)},
      {"missed_days", static_cast<qint64>(report.start.missed_days)},
      {"queue", queue_json(report)},
      {"folders", folders_json(report)},
      {"failures", failures},
  };
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace mj
