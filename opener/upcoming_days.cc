// SPDX-License-Identifier: MIT
#include "opener/upcoming_days.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "base/visible_text.h"
#include "base/wording.h"
#include "opener/capsule_scan.h"
#include "opener/explain.h"
#include "opener/report_text.h"
#include "platform/capsule_root.h"
#include "platform/file_time.h"
#include "rules/due_files.h"
#include "rules/next_openings.h"
#include "rules/schedule_words.h"

namespace mj {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// A schedule folder's files as read once: how many its listing holds (a run
// that takes the whole folder opens them all, whatever their times) and the
// times that could be read, in ascending order.
struct folder_files {
  bool listed = false;
  size_t count = 0;
  std::vector<wall_time> times;
  std::string listing_problem;
};

// `f` told of the folder or file `name` in `root`: `sentence` takes the name,
// the capsule root and the description.
failure about(const failure& f, const std::string& sentence, const std::string& name,
              const fs::path& root) {
  return failure{f.code, fill(sentence, {printable(name), root_label(root), f.description})};
}

// Lists a folder's files with their times, in one pass; files dated after
// today go to the report.
folder_files read_folder(const fs::path& root, const std::string& name, upcoming_report& report) {
  folder_files files;
  const fs::path folder = root / name;
  result<std::vector<platform::timed_file>> listed = platform::list_files_with_times(folder);
  if (!listed.ok()) {
    files.listing_problem = listed.error().description;
    report.failures.push_back(
        about(listed.error(), localized("mj::upcoming", "Folder \"%1\" in %2: %3."), name, root));
    return files;
  }
  files.listed = true;
  files.times.reserve(listed->size());
  for (const platform::timed_file& file : *listed) {
    // Passed over by the run, as its path is too long to hand over.
    if (const std::optional<failure> too_long = path_past_limit(root, name, file.name)) {
      report.failures.push_back(*too_long);
      continue;
    }
    ++files.count;
    if (file.modified.ok()) {
      files.times.push_back(*file.modified);
      if (floor<days>(*file.modified) > report.today)
        report.future_files.push_back({(folder / file.name).string(), *file.modified});
    } else if (is_told(file.modified.error())) {
      report.failures.push_back(about(file.modified.error(),
                                      localized("mj::upcoming", "File \"%1\" in %2: %3."),
                                      name + "/" + file.name, root));
    }
  }
  std::sort(files.times.begin(), files.times.end());
  return files;
}

// How many files of one folder each day's run opens, counted from the times
// read once instead of file by file: the same files as select_due_files
// queues with file_is_due.
class due_file_counter {
 public:
  due_file_counter(const folder_files& files, std::optional<date_unit> unit,
                   const std::vector<due_verdict>& verdicts)
      : files_(files), unit_(unit) {
    index_repetitions(verdicts);
  }

  size_t count(const due_verdict& v, date day) {
    const std::vector<wall_time>& times = files_.times;
    switch (v.kind) {
      case due_kind::not_due:
        return 0;
      case due_kind::all_files:
        return files_.count;
      case due_kind::files_up_to:
        return before(wall_time{v.from + days{1}});
      case due_kind::files_within:
        return v.from > v.to ? 0 : before(wall_time{v.to + days{1}}) - before(wall_time{v.from});
      case due_kind::repeating:
        break;
    }
    // Without a unit or a step of at least 1 no file can repeat.
    if (!unit_ || v.repeat_every < 1) return 0;
    size_t count = 0;
    const auto judge = [&](size_t file) {
      if (counted_on_[file] == day) return;
      counted_on_[file] = day;
      if (file_is_due(v, unit_, times[file], day)) ++count;
    };
    if (v.repeat_every != indexed_every_ || v.from < indexed_from_ || v.to > indexed_to_) {
      for (size_t file = 0; file < times.size(); ++file) judge(file);
      return count;
    }
    // Only a file with a repetition within the days can be due.
    auto it = std::lower_bound(repetitions_.begin(), repetitions_.end(),
                               std::pair<date, size_t>{v.from, 0});
    for (; it != repetitions_.end() && it->first <= v.to; ++it) judge(it->second);
    return count;
  }

 private:
  size_t before(wall_time t) const {
    return static_cast<size_t>(std::lower_bound(files_.times.begin(), files_.times.end(), t) -
                               files_.times.begin());
  }

  // The repetitions of every file that fall within the days the repeating
  // verdicts reach, by day: each day then looks only at those within its own.
  void index_repetitions(const std::vector<due_verdict>& verdicts) {
    counted_on_.assign(files_.times.size(), date::min());
    bool any = false;
    for (const due_verdict& v : verdicts) {
      if (v.kind != due_kind::repeating || v.repeat_every < 1 || v.from > v.to) continue;
      if (!any) indexed_every_ = v.repeat_every;
      indexed_from_ = any ? std::min(indexed_from_, v.from) : v.from;
      indexed_to_ = any ? std::max(indexed_to_, v.to) : v.to;
      any = true;
    }
    if (!any || !unit_) return;
    for (size_t file = 0; file < files_.times.size(); ++file) {
      const wall_time t = files_.times[file];
      for (auto r = first_repetition_from(t, *unit_, indexed_every_, indexed_from_);
           r && floor<days>(*r) <= indexed_to_;
           r = first_repetition_from(t, *unit_, indexed_every_, floor<days>(*r) + days{1}))
        repetitions_.emplace_back(floor<days>(*r), file);
    }
    std::sort(repetitions_.begin(), repetitions_.end());
  }

  const folder_files& files_;
  std::optional<date_unit> unit_;
  int16_t indexed_every_ = 0;
  date indexed_from_{};
  date indexed_to_{};
  std::vector<std::pair<date, size_t>> repetitions_;
  std::vector<date> counted_on_;  // per file: the day it was last judged
};

// Why a folder will not open again, in the words of `m_jar --explain`.
std::string never_why(const folder_evaluation& evaluation, date today) {
  const schedule_description described = describe_schedule(evaluation.name, year_number(today));
  std::string why = described.words;
  // Names that can never be due say so themselves.
  if (described.sense == schedule_sense::opens) {
    const due_kind kind = evaluation.verdict.kind;
    const bool by_date = kind == due_kind::files_up_to || kind == due_kind::files_within ||
                         kind == due_kind::repeating;
    const std::string years = std::to_string(kForecastYears);
    why = by_date ? fill(localized("mj::upcoming",
                                   "%1: none of its files, nor one stored from now on, comes due "
                                   "within the next %2 years"),
                         {why, years})
                  : fill(localized("mj::upcoming", "%1: not due on any day of the next %2 years"),
                         {why, years});
  }
  for (const failure& f : evaluation.failures)
    //: Why a folder will not open, then a problem with its name.
    why = fill(localized("mj::upcoming", "%1; %2"), {why, f.description});
  return why;
}

// How many of `day_count` days from `today` on lie within the years the rules
// can reach.
int days_within_range(date today, int day_count) {
  const date last_supported{year{9999} / December / 31};
  return static_cast<int>(std::min<long long>(day_count, (last_supported - today).count() + 1));
}

// Judges one folder on every day and adds its openings to the days.
void look_ahead_at_folder(const fs::path& root, int index, const scanned_folder& scanned,
                          const folder_files& files, const std::vector<run_calendar>& calendars,
                          wall_time now, upcoming_report& report) {
  const folder_evaluation& evaluation = scanned.evaluation;
  verdicts_over_days by_day(evaluation.name, calendars.front().today, calendars.back().today);
  // A folder's failure is listed once: the scan's of today, or else the
  // first a later day meets. The verdicts keep none, so that a failure on
  // every day of ten years costs no memory.
  if (evaluation.failures.empty())
    if (const auto met = by_day.first_failure())
      report.failures.push_back(
          failure{met->second.code,
                  fill(localized("mj::upcoming", "Folder \"%1\", judged on %2, in %3: %4."),
                       {printable(scanned.name), day_words(met->first), root_label(root),
                        met->second.description})});

  // A folder without files opens nothing on any day: its days are not judged.
  std::vector<due_verdict> verdicts;
  if (files.listed && files.count > 0) {
    verdicts.reserve(calendars.size());
    // Today's verdict is the scan's own; the split, made without missed days,
    // is the same for every later day.
    verdicts.push_back(evaluation.verdict);
    verdicts.back().ended_by.reset();
    for (size_t i = 1; i < calendars.size(); ++i) verdicts.push_back(by_day.on(calendars[i].today));
  }

  size_t total = 0;
  if (!verdicts.empty()) {
    due_file_counter counter(files, repeat_unit_of(evaluation.name.rule), verdicts);
    for (size_t i = 0; i < verdicts.size(); ++i) {
      const size_t opened = counter.count(verdicts[i], calendars[i].today);
      if (opened > 0) report.days[i].openings.push_back({index, opened});
      total += opened;
    }
  }
  // A folder that opens something in the days judged opens within the forecast.
  if (total > 0) return;
  if (!files.listed)
    report.never.push_back(
        {scanned.name, fill(localized("mj::upcoming", "its files cannot be listed: %1"),
                            {files.listing_problem})});
  else if (!opens_within_forecast(scanned.name, files.times, now))
    report.never.push_back({scanned.name, never_why(evaluation, report.today)});
}

}  // namespace

upcoming_report look_ahead(std::string_view location, date today, int day_count, wall_time now) {
  upcoming_report report;
  report.today = today;
  const platform::capsule_location where =
      platform::resolve_capsule_root(platform::trim_blanks(location));
  report.root = where.full_path();
  const fs::path root = report.root;

  std::vector<run_calendar> calendars;
  for (int i = 0; i < days_within_range(today, day_count); ++i)
    calendars.push_back(make_run_calendar(today + days{i}));
  for (const run_calendar& c : calendars) report.days.push_back({c.today, {}});
  if (calendars.empty()) return report;

  // The run's own scan, as the run of today makes it: daily runs miss no day.
  const capsule_scan scan = scan_capsule(
      root, 0, calendars.front(), [&report](const failure& f) { report.failures.push_back(f); });
  if (!scan.root_listed) return report;

  // The capsule root's files, as the scan listed them, open whatever their
  // times; only a time in the future is worth a word.
  for (const std::string& name : scan.root_files) {
    const result<wall_time> modified = platform::last_modified(root / name);
    if (modified.ok() && floor<days>(*modified) > today)
      report.future_files.push_back({(root / name).string(), *modified});
  }
  if (!scan.root_files.empty())
    for (upcoming_day& day : report.days)
      day.openings.push_back({kCapsuleRootFiles, scan.root_files.size()});

  for (size_t i = 0; i < scan.folders.size(); ++i) {
    const scanned_folder& scanned = scan.folders[i];
    report.folders.push_back(scanned.name);
    const folder_files files = read_folder(root, scanned.name, report);
    look_ahead_at_folder(root, static_cast<int>(i), scanned, files, calendars, now, report);
  }
  return report;
}

}  // namespace mj
