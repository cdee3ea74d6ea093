// SPDX-License-Identifier: MIT
#include "opener/run_plan.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <unordered_set>

#include "base/wording.h"
#include "platform/directory_listing.h"
#include "platform/file_time.h"
#include "rules/due_files.h"
#include "rules/numbers.h"

namespace mj::opener {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

namespace {

// Everything but the clock check, once the last day served is known.
run_start days_since(std::optional<date> served_through, std::vector<date> unfinished, date today) {
  run_start start;
  start.calendar = make_run_calendar(today);
  start.served_through = served_through;
  if (served_through && *served_through > today) {
    start.clock_behind = true;
    return start;
  }
  for (const date d : unfinished)
    if (d < today && (!served_through || d > *served_through)) start.owed_days.push_back(d);
  if (start.owed_days.size() > static_cast<size_t>(kOffDaysExamined))
    start.owed_days.erase(start.owed_days.begin(), start.owed_days.end() - kOffDaysExamined);
  // Without a finished run, the first owed day starts the days served.
  std::optional<date> last = served_through;
  if (!last && !start.owed_days.empty()) last = start.owed_days.front() - std::chrono::days{1};
  if (!last) return start;
  start.missed_days = missed_days_between(*last, today);
  const date first_examined =
      std::max(*last + std::chrono::days{1}, today - std::chrono::days{kOffDaysExamined});
  for (date d = first_examined; d < today; d += std::chrono::days{1})
    if (!std::binary_search(start.owed_days.begin(), start.owed_days.end(), d))
      start.off_days.push_back(d);
  return start;
}

}  // namespace

run_start run_start_from_record(const result<platform::day_record>& record, date today,
                                const failure_sink& report) {
  if (!record.ok()) {
    report(failure{
        record.error().code,
        fill(localized("mj::opener::run_plan", "%1. This run counts today as its only day."),
             {record.error().description})});
    return days_since(std::nullopt, {}, today);
  }
  std::vector<date> unfinished = record->unfinished;
  std::sort(unfinished.begin(), unfinished.end());
  return days_since(record->served_through, std::move(unfinished), today);
}

run_start run_start_from(std::string_view prev_date_text, date today, const failure_sink& report) {
  std::optional<date> last_run;
  if (!prev_date_text.empty()) {
    const result<date> stored = date_from_text(prev_date_text, year_number(today));
    if (stored.ok())
      last_run = *stored;
    else
      report(
          failure{stored.error().code, fill(localized("mj::opener::run_plan",
                                                      "The date of the last run cannot be read: "
                                                      "%1. This run counts today as the last run."),
                                            {stored.error().description})});
  }
  return days_since(last_run, {}, today);
}

std::string format_prev_date(date d) {
  std::string text = format_iso_date(d);
  for (char& c : text)
    if (c == '-') c = '/';
  return text;
}

classic_command_line split_command_line(std::string_view text, const failure_sink& report) {
  classic_command_line result;
  size_t digits = 0;
  while (digits < text.size() && is_digit(text[digits])) ++digits;
  if (digits > 0) {
    constexpr long long kMaxMilliseconds = std::numeric_limits<int32_t>::max();
    long long milliseconds = 0;
    for (size_t i = 0; i < digits && milliseconds <= kMaxMilliseconds; ++i)
      milliseconds = milliseconds * 10 + (text[i] - '0') * 1000LL;
    if (milliseconds <= kMaxMilliseconds) {
      result.interval_ms = static_cast<int>(milliseconds);
    } else {
      report(make_failure(failure_code::overflow,
                          fill(localized("mj::opener::run_plan", "a start-up delay of %1 seconds"),
                               {text.substr(0, digits)})));
    }
  }
  result.location = std::string(platform::trim_blanks(text.substr(digits)));
  return result;
}

namespace {

// The folders without "+" judged again as on `day`, for the owed days and
// the days without a run; "+" folders caught those up in today's verdict.
capsule_scan exact_day_scan(const capsule_scan& scan, date day) {
  capsule_scan on_day;
  on_day.root_listed = scan.root_listed;
  on_day.folders.reserve(scan.folders.size());
  for (const scanned_folder& f : scan.folders) {
    scanned_folder judged{f.name, {}};
    if (!f.evaluation.name.catch_up)
      judged.evaluation = evaluate_folder(f.name, 0, make_run_calendar(day));
    on_day.folders.push_back(std::move(judged));  // indexes stay those of `scan`
  }
  return on_day;
}

void append_new(opening_selection& selection, const opening_selection& more) {
  std::unordered_set<std::string> queued;
  for (const queue_entry& e : selection.open_queue) queued.insert(e.path);
  for (const queue_entry& e : more.open_queue)
    if (queued.insert(e.path).second) selection.open_queue.push_back(e);
  if (selection.working_folder.empty()) selection.working_folder = more.working_folder;
  selection.complete = selection.complete && more.complete;
}

// A folder's files with their times, listed once for the many days the
// passed-over search asks about, and the folder's verdicts over those days,
// asked in ascending order. Files whose time cannot be read are left out:
// today's scan has reported them.
class listed_folder {
 public:
  listed_folder(const std::filesystem::path& root, const scanned_folder& folder, date first,
                date last)
      : path_(root / folder.name),
        name_(folder.evaluation.name),
        first_(first),
        last_(last),
        unit_(repeat_unit_of(folder.evaluation.name.rule)) {}

  // The paths of the files the folder selects on a run of `day` alone, among
  // those `asked` takes (all when it is null); `day` no earlier than the day
  // asked before.
  std::vector<std::string> due_on(date day, const std::map<std::string, date>* asked = nullptr) {
    std::vector<std::string> due;
    if (files().empty()) return due;
    if (!by_day_) by_day_.emplace(name_, first_, last_);
    const due_verdict verdict = by_day_->on(day);
    if (verdict.kind == due_kind::not_due) return due;
    for (const auto& [path, time] : files())
      if ((asked == nullptr || asked->contains(path)) &&
          (verdict.kind == due_kind::all_files || file_is_due(verdict, unit_, time, day)))
        due.push_back(path);
    return due;
  }

 private:
  const std::vector<std::pair<std::string, wall_time>>& files() {
    if (files_) return *files_;
    files_.emplace();
    const auto listed = platform::list_files_with_times(path_);
    if (!listed.ok()) return *files_;
    for (const platform::timed_file& file : *listed)
      if (file.modified.ok()) files_->emplace_back((path_ / file.name).string(), *file.modified);
    return *files_;
  }

  std::filesystem::path path_;
  schedule_name name_;
  date first_, last_;
  std::optional<date_unit> unit_;
  std::optional<verdicts_over_days> by_day_;
  std::optional<std::vector<std::pair<std::string, wall_time>>> files_;
};

// The files of folders without "+" that came due on a day without a run, are
// not in this run's queue and do not open on any day of the look-ahead.
std::vector<passed_over_file> passed_over_files(const std::filesystem::path& root,
                                                const capsule_scan& scan, const run_start& start,
                                                const opening_selection& queued) {
  std::vector<passed_over_file> passed;
  if (start.off_days.empty()) return passed;
  std::unordered_set<std::string> in_queue;
  for (const queue_entry& e : queued.open_queue) in_queue.insert(e.path);
  for (const scanned_folder& folder : scan.folders) {
    if (folder.evaluation.name.catch_up) continue;
    listed_folder listed(root, folder, start.off_days.front(),
                         start.calendar.today + std::chrono::days{kLookAheadDays});
    std::map<std::string, date> due_on;  // path -> the last day without a run it came due
    for (const date day : start.off_days)
      for (const std::string& path : listed.due_on(day))
        if (!in_queue.contains(path)) due_on[path] = day;
    for (long long ahead = 1; ahead <= kLookAheadDays && !due_on.empty(); ++ahead)
      for (const std::string& path :
           listed.due_on(start.calendar.today + std::chrono::days{ahead}, &due_on))
        due_on.erase(path);
    for (const auto& [path, day] : due_on) passed.push_back({path, folder.name, day});
  }
  return passed;
}

}  // namespace

run_plan plan_run(const platform::capsule_location& root, const run_start& start,
                  const failure_sink& report) {
  run_plan plan;
  plan.root = root;
  const std::filesystem::path path = root.full_path();
  plan.scan = scan_capsule(path, start.missed_days, start.calendar, report);
  if (start.clock_behind) {
    // Which days are due cannot be told from a clock behind the record: only
    // the capsule root's own files, which open at every run.
    capsule_scan root_only = plan.scan;
    root_only.folders.clear();
    plan.selection = select_due_files(path, root_only, start.calendar.today, report);
    plan.selection.complete = false;
    return plan;
  }
  plan.selection = select_due_files(path, plan.scan, start.calendar.today, report);
  for (const date day : start.owed_days)
    append_new(plan.selection, select_due_files(path, exact_day_scan(plan.scan, day), day, report));
  plan.passed_over = passed_over_files(path, plan.scan, start, plan.selection);
  return plan;
}

opening_queue::opening_queue(const std::vector<queue_entry>& entries) {
  paths_.reserve(entries.size());
  for (const queue_entry& e : entries) paths_.push_back(e.path);
}

std::optional<std::string> opening_queue::tick() {
  if (next_ >= paths_.size()) return std::nullopt;
  return paths_[next_++];
}

}  // namespace mj::opener
