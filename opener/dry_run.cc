#include "opener/dry_run.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "base/wording.h"
#include "opener/explain.h"
#include "platform/capsule_root.h"
#include "platform/day_record.h"
#include "rules/schedule_words.h"

namespace mj {

namespace {

// Why the files of a folder open, in the words of `m_jar --explain`.
std::string why_due(const dry_run_report& report, const scanned_folder& folder) {
  std::vector<failure> ignored;
  const schedule_name plain = split_schedule_name(folder.name, 0, ignored);
  return fill(localized("mj::dry_run", "folder \"%1\", %2: %3"),
              {printable(folder.name),
               describe_schedule(plain, year_number(report.start.calendar.today)).words,
               describe_verdict(folder.evaluation)});
}

// The heading: the capsule root, the day with its missed days, and how many
// files open.
std::string heading(const dry_run_report& report) {
  const long long missed = report.start.missed_days;
  const std::string today = day_words(report.start.calendar.today);
  const std::string day = missed <= 0 ? today
                          : missed == 1
                              ? fill(localized("mj::dry_run", "%1, after 1 missed day"), {today})
                              : fill(localized("mj::dry_run", "%1, after %2 missed days"),
                                     {today, std::to_string(missed)});
  const size_t count = report.plan.selection.open_queue.size();
  const std::string files =
      count == 0   ? localized("mj::dry_run", "no files to open")
      : count == 1 ? localized("mj::dry_run", "1 file to open")
                   : fill(localized("mj::dry_run", "%1 files to open"), {std::to_string(count)});
  // The "#" marks the line for scripts: it is no part of the words.
  //: %1 the capsule root's path, %2 the day (with the missed days), %3 how many files open.
  return "# " + fill(localized("mj::dry_run", "Capsule root %1, %2: %3."),
                     {printable(report.plan.root.full_path()), day, files});
}

QJsonArray queue_json(const dry_run_report& report) {
  QJsonArray queue;
  for (const queue_entry& e : report.plan.selection.open_queue) {
    const bool in_folder = e.folder.has_value();
    const scanned_folder* folder = in_folder ? &report.plan.scan.folders[*e.folder] : nullptr;
    queue.append(QJsonObject{
        {"path", from_utf8(e.path)},
        {"folder", folder ? from_utf8(folder->name) : QJsonValue(QJsonValue::Null)},
        // A root file opens at every run, whatever a due kind would say.
        {"due", folder ? due_kind_key(folder->evaluation.verdict.kind) : "all_files"},
    });
  }
  return queue;
}

QJsonArray folders_json(const dry_run_report& report) {
  QJsonArray folders;
  for (const scanned_folder& f : report.plan.scan.folders) {
    const due_verdict& v = f.evaluation.verdict;
    folders.append(QJsonObject{
        {"name", from_utf8(f.name)},
        {"due", due_kind_key(v.kind)},
        {"from", json_date(v.from)},
        {"to", json_date(v.to)},
        {"repeat_every", v.repeat_every},
        {"failures", json_failures(f.evaluation.failures)},
    });
  }
  return folders;
}

QJsonArray owed_days_json(const dry_run_report& report) {
  QJsonArray days;
  for (const date d : report.start.owed_days)
    days.append(QString::fromStdString(format_iso_date(d)));
  return days;
}

QJsonArray passed_over_json(const dry_run_report& report) {
  QJsonArray files;
  for (const passed_over_file& p : report.plan.passed_over)
    files.append(QJsonObject{
        {"path", from_utf8(p.path)},
        {"folder", from_utf8(p.folder)},
        {"due_on", QString::fromStdString(format_iso_date(p.due_on))},
    });
  return files;
}

}  // namespace

std::string printable(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    switch (c) {
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        if (c < 0x20 || c == 0x7f) {
          char octal[8];
          std::snprintf(octal, sizeof octal, "\\%03o", c);
          out += octal;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out;
}

dry_run_report dry_run(std::optional<date> served_through, date today, std::string_view location) {
  dry_run_report report;
  const failure_sink keep = [&report](const failure& f) { report.failures.push_back(f); };
  const platform::capsule_location root =
      platform::resolve_capsule_root(platform::trim_blanks(location));
  report.start =
      served_through
          ? run_start_from(format_prev_date(*served_through), today, keep)
          : run_start_from_record(
                platform::read_day_record(platform::canonical_root_path(root.full_path())), today,
                keep);
  report.plan = plan_run(root, report.start, keep);
  return report;
}

std::string dry_run_text(const dry_run_report& report) {
  std::string out = heading(report) + "\n";
  // Said once per folder, however many of its files are queued.
  std::vector<std::string> folder_words(report.plan.scan.folders.size());
  const std::string in_root = localized("mj::dry_run", "in the capsule root: opens at every run");
  for (const queue_entry& e : report.plan.selection.open_queue) {
    const std::string* why = &in_root;
    if (e.folder) {
      std::string& words = folder_words[*e.folder];
      if (words.empty()) words = why_due(report, report.plan.scan.folders[*e.folder]);
      why = &words;
    }
    out += printable(e.path) + "\t" + *why + "\n";
  }
  for (const passed_over_file& p : report.plan.passed_over)
    out += "# " +
           fill(localized("mj::dry_run",
                          "Passed over: %1 came due on %2, a day without a run, and will not "
                          "open on a later day."),
                {printable(p.path), day_words(p.due_on)}) +
           "\n";
  for (const failure& f : report.failures)
    out += "# " + fill(localized("mj::dry_run", "Problem: %1"), {printable(f.description)}) + "\n";
  return out;
}

std::string dry_run_json(const dry_run_report& report) {
  const QJsonObject object{
      {"root", from_utf8(report.plan.root.full_path())},
      {"today", QString::fromStdString(format_iso_date(report.start.calendar.today))},
      {"missed_days", static_cast<qint64>(report.start.missed_days)},
      {"owed_days", owed_days_json(report)},
      {"queue", queue_json(report)},
      {"passed_over", passed_over_json(report)},
      {"folders", folders_json(report)},
      {"failures", json_failures(report.failures)},
  };
  return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace mj
