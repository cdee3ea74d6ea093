// SPDX-License-Identifier: MIT
#include "opener/dry_run.h"

#include "base/visible_text.h"
#include "base/wording.h"
#include "opener/explain.h"
#include "opener/json_text.h"
#include "platform/capsule_root.h"
#include "platform/day_record.h"
#include "rules/schedule_words.h"

namespace mj::opener {

namespace {

// Why the files of a folder open, in the words of `m_jar --explain`.
std::string why_due(const dry_run_report& report, const scanned_folder& folder) {
  std::vector<failure> ignored;
  const schedule_name plain = split_schedule_name(folder.name, 0, ignored);
  return fill(
      localized("mj::opener::dry_run", "folder \"%1\", %2: %3"),
      {printable(folder.name),
       printable_line(describe_schedule(plain, year_number(report.start.calendar.today)).words),
       describe_verdict(folder.evaluation)});
}

// The heading: the capsule root, the day with its missed days, and how many
// files open.
std::string heading(const dry_run_report& report) {
  const long long missed = report.start.missed_days;
  const std::string today = day_words(report.start.calendar.today);
  const std::string day =
      missed <= 0   ? today
      : missed == 1 ? fill(localized("mj::opener::dry_run", "%1, after 1 missed day"), {today})
                    : fill(localized("mj::opener::dry_run", "%1, after %2 missed days"),
                           {today, std::to_string(missed)});
  const size_t count = report.plan.selection.open_queue.size();
  const std::string files =
      count == 0 ? localized("mj::opener::dry_run", "no files to open")
      : count == 1
          ? localized("mj::opener::dry_run", "1 file to open")
          : fill(localized("mj::opener::dry_run", "%1 files to open"), {std::to_string(count)});
  // The "#" marks the line for scripts: it is no part of the words.
  //: %1 the capsule root's path, %2 the day (with the missed days), %3 how many files open.
  return "# " + fill(localized("mj::opener::dry_run", "Capsule root %1, %2: %3."),
                     {printable_path(report.plan.root.full_path()), day, files});
}

std::string queue_json(const dry_run_report& report) {
  // Written piece by piece: a large capsule queues tens of thousands of
  // files, most of them sharing their folder, whose members are made once.
  const std::vector<scanned_folder>& folders = report.plan.scan.folders;
  std::vector<std::string> folder_members(folders.size());
  const std::string root_members = ",\"folder\":null,\"due\":\"all_files\"}";
  std::string out = "[";
  for (const queue_entry& e : report.plan.selection.open_queue) {
    if (out.size() > 1) out += ',';
    out += '{';
    out += json_name_member("path", e.path);
    if (!e.folder) {
      // A root file opens at every run, whatever a due kind would say.
      out += root_members;
      continue;
    }
    std::string& members = folder_members[*e.folder];
    if (members.empty()) {
      const scanned_folder& folder = folders[*e.folder];
      members = "," + json_name_member("folder", folder.name) +
                ",\"due\":" + json_string(due_kind_key(folder.evaluation.verdict.kind)) + "}";
    }
    out += members;
  }
  return out + "]";
}

std::string folders_json(const dry_run_report& report) {
  std::vector<std::string> folders;
  folders.reserve(report.plan.scan.folders.size());
  for (const scanned_folder& f : report.plan.scan.folders) {
    const due_verdict& v = f.evaluation.verdict;
    folders.push_back(json_object()
                          .name("name", f.name)
                          .text("due", due_kind_key(v.kind))
                          .day("from", v.from)
                          .day("to", v.to)
                          .number("repeat_every", v.repeat_every)
                          .raw("failures", json_failures(f.evaluation.failures))
                          .str());
  }
  return json_array(folders);
}

std::string owed_days_json(const dry_run_report& report) {
  std::vector<std::string> days;
  for (const date d : report.start.owed_days) days.push_back(json_date(d));
  return json_array(days);
}

std::string passed_over_json(const dry_run_report& report) {
  std::vector<std::string> files;
  for (const passed_over_file& p : report.plan.passed_over)
    files.push_back(
        json_object().name("path", p.path).name("folder", p.folder).day("due_on", p.due_on).str());
  return json_array(files);
}

}  // namespace

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
  const std::string in_root =
      localized("mj::opener::dry_run", "in the capsule root: opens at every run");
  for (const queue_entry& e : report.plan.selection.open_queue) {
    const std::string* why = &in_root;
    if (e.folder) {
      std::string& words = folder_words[*e.folder];
      if (words.empty()) words = why_due(report, report.plan.scan.folders[*e.folder]);
      why = &words;
    }
    out += printable_path(e.path) + "\t" + *why + "\n";
  }
  for (const passed_over_file& p : report.plan.passed_over)
    out += "# " +
           fill(localized("mj::opener::dry_run",
                          "Passed over: %1 came due on %2, a day without a run, and will not "
                          "open on a later day."),
                {printable_path(p.path), day_words(p.due_on)}) +
           "\n";
  for (const failure& f : report.failures)
    out += "# " +
           fill(localized("mj::opener::dry_run", "Problem: %1"), {printable_line(f.description)}) +
           "\n";
  return out;
}

std::string dry_run_json(const dry_run_report& report) {
  return json_object()
      .name("root", report.plan.root.full_path())
      .day("today", report.start.calendar.today)
      .number("missed_days", report.start.missed_days)
      .raw("owed_days", owed_days_json(report))
      .raw("queue", queue_json(report))
      .raw("passed_over", passed_over_json(report))
      .raw("folders", folders_json(report))
      .raw("failures", json_failures(report.failures))
      .str();
}

}  // namespace mj::opener
