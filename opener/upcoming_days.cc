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

namespace mj::opener {

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
  const folder_paths paths(root, name);
  result<std::vector<platform::timed_file>> listed =
      platform::list_files_with_times(paths.folder());
  if (!listed.ok()) {
    files.listing_problem = listed.error().description;
    report.failures.push_back(about(
        listed.error(), localized("mj::opener::upcoming", "Folder \"%1\" in %2: %3."), name, root));
    return files;
  }
  files.listed = true;
  files.times.reserve(listed->size());
  for (const platform::timed_file& file : *listed) {
    // Passed over by the run, as its path is too long to hand over.
    if (const result<void> within = paths.past_limit(file.name); !within.ok()) {
      report.failures.push_back(within.error());
      continue;
    }
    ++files.count;
    if (file.modified.ok()) {
      files.times.push_back(*file.modified);
      if (floor<days>(*file.modified) > report.today)
        report.future_files.push_back({paths.path_of(file.name), *file.modified});
    } else if (is_told(file.modified.error())) {
      report.failures.push_back(about(file.modified.error(),
                                      localized("mj::opener::upcoming", "File \"%1\" in %2: %3."),
                                      name + "/" + file.name, root));
    }
  }
  std::sort(files.times.begin(), files.times.end());
  return files;
}

// How many of the times (ascending) lie before a moment. The daily runs'
// windows move their bounds forward a day at a time, so the answer steps on
// from the last one; a bound that moves back is searched for.
class times_before {
 public:
  explicit times_before(const std::vector<wall_time>& times) : times_(times) {}

  size_t operator()(wall_time t) {
    if (at_ > 0 && times_[at_ - 1] >= t)
      at_ = static_cast<size_t>(std::lower_bound(times_.begin(), times_.begin() + at_, t) -
                                times_.begin());
    else
      while (at_ < times_.size() && times_[at_] < t) ++at_;
    return at_;
  }

 private:
  const std::vector<wall_time>& times_;
  size_t at_ = 0;
};

// The repeating verdicts of a daily run look back over the same number of
// days up to the day itself (from = day - width, to = day), with the same
// step. On such a day a file opens when one of its repetitions falls within
// the window, so each repetition on day r counts the file on the days r to
// r + width: the days a file opens are the union of those stretches, added up
// for all files through the differences at their ends rather than judged
// file by file and day by day.
class repetition_sweep {
 public:
  repetition_sweep(const std::vector<wall_time>& times, std::optional<date_unit> unit,
                   const std::vector<day_verdict>& verdicts, date first)
      : unit_(unit), first_(first) {
    if (!unit_) return;
    std::optional<size_t> first_fit;
    size_t last_fit = 0;
    for (size_t i = 0; i < verdicts.size(); ++i) {
      const day_verdict& v = verdicts[i];
      if (!first_fit) {
        if (v.kind != due_kind::repeating || v.repeat_every < 1 || v.to != day_at(i) ||
            v.from > v.to)
          continue;
        every_ = v.repeat_every;
        width_ = v.to - v.from;
        first_fit = i;
      }
      if (fits(v, i)) last_fit = i;
    }
    if (!first_fit) return;
    const date from = verdicts[*first_fit].from;
    const date to = verdicts[last_fit].to;
    // Day indexes relative to `first`, the stretches clipped to the days judged.
    const long long last_index = static_cast<long long>(verdicts.size()) - 1;
    std::vector<long long> differences(verdicts.size() + 1, 0);
    std::vector<date> repetitions;
    for (const wall_time t : times) {
      repetitions.clear();
      repetition_days_within(t, *unit_, every_, from, to, repetitions);
      long long start = 0;
      long long end = -1;  // the stretch being joined; none yet
      const auto close = [&] {
        if (end < start) return;
        ++differences[static_cast<size_t>(start)];
        --differences[static_cast<size_t>(end) + 1];
      };
      for (const date r : repetitions) {
        const long long s = std::max<long long>((r - first_).count(), 0);
        const long long e = std::min<long long>((r - first_).count() + width_.count(), last_index);
        if (e < s) continue;
        if (end >= start && s <= end + 1) {
          end = std::max(end, e);
        } else {
          close();
          start = s;
          end = e;
        }
      }
      close();
    }
    counts_.resize(verdicts.size());
    long long running = 0;
    for (size_t i = 0; i < verdicts.size(); ++i)
      counts_[i] = static_cast<size_t>(running += differences[i]);
  }

  // Whether the verdict of day `i` is one the sweep counted.
  bool fits(const day_verdict& v, size_t i) const {
    return every_ > 0 && v.kind == due_kind::repeating && v.repeat_every == every_ &&
           v.to == day_at(i) && v.to - v.from == width_;
  }
  size_t count(size_t i) const { return counts_[i]; }

 private:
  date day_at(size_t i) const { return first_ + days{static_cast<long long>(i)}; }

  std::optional<date_unit> unit_;
  date first_;
  int16_t every_ = 0;
  days width_{0};
  std::vector<size_t> counts_;
};

// Whether two verdicts select the same files whatever the day: a run of
// equal verdicts opens the same count each day.
bool same_selection(const day_verdict& a, const day_verdict& b) {
  return a.kind == b.kind && a.kind != due_kind::repeating && a.from == b.from && a.to == b.to;
}

}  // namespace

std::vector<size_t> files_opened_each_day(size_t listed, const std::vector<wall_time>& times,
                                          std::optional<date_unit> repeat_unit,
                                          const std::vector<day_verdict>& verdicts, date first) {
  std::vector<size_t> opened(verdicts.size(), 0);
  // The forms that point at a day take all files or none: no time is looked at.
  if (std::all_of(verdicts.begin(), verdicts.end(), [](const day_verdict& v) {
        return v.kind == due_kind::not_due || v.kind == due_kind::all_files;
      })) {
    for (size_t i = 0; i < verdicts.size(); ++i)
      if (verdicts[i].kind == due_kind::all_files) opened[i] = listed;
    return opened;
  }
  const repetition_sweep sweep(times, repeat_unit, verdicts, first);
  times_before up_to(times);
  times_before window_start(times);
  times_before window_end(times);
  for (size_t i = 0; i < verdicts.size(); ++i) {
    const day_verdict& v = verdicts[i];
    if (i > 0 && same_selection(v, verdicts[i - 1])) {
      opened[i] = opened[i - 1];
      continue;
    }
    switch (v.kind) {
      case due_kind::not_due:
        break;
      case due_kind::all_files:
        opened[i] = listed;
        break;
      case due_kind::files_up_to:
        opened[i] = up_to(wall_time{v.from + days{1}});
        break;
      case due_kind::files_within:
        if (v.from <= v.to)
          opened[i] = window_end(wall_time{v.to + days{1}}) - window_start(wall_time{v.from});
        break;
      case due_kind::repeating:
        if (sweep.fits(v, i)) {
          opened[i] = sweep.count(i);
        } else {
          // Any other repeating verdict: each file judged as the run judges it.
          const date day = first + days{static_cast<long long>(i)};
          due_verdict full;  // the verdict file_is_due takes
          full.kind = v.kind;
          full.from = v.from;
          full.to = v.to;
          full.repeat_every = v.repeat_every;
          for (const wall_time t : times)
            opened[i] += file_is_due(full, repeat_unit, t, day) ? 1 : 0;
        }
        break;
    }
  }
  return opened;
}

namespace {

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
    why =
        by_date
            ? fill(localized("mj::opener::upcoming",
                             "%1: none of its files, nor one stored from now on, comes due "
                             "within the next %2 years"),
                   {why, years})
            : fill(localized("mj::opener::upcoming", "%1: not due on any day of the next %2 years"),
                   {why, years});
  }
  for (const failure& f : evaluation.failures)
    //: Why a folder will not open, then a problem with its name.
    why = fill(localized("mj::opener::upcoming", "%1; %2"), {why, f.description});
  return why;
}

// How many of `day_count` days from `today` on lie within the years the rules
// can reach.
int days_within_range(date today, int day_count) {
  const date last_supported{year{9999} / December / 31};
  return static_cast<int>(std::min<long long>(day_count, (last_supported - today).count() + 1));
}

// The openings of the schedule folders, put under their days a few folders
// at a time: each day's list then grows once for those folders, from counts
// still at hand, rather than every day's list once for each folder.
class openings_by_day {
 public:
  // `folders`: how many schedule folders the capsule root holds.
  openings_by_day(upcoming_report& report, size_t folders) : report_(report), folders_(folders) {}

  // How many files of the folder `folder` (listed as the folders' number
  // `folder`, counted from 0) each day opens.
  void add(int folder, std::vector<size_t> opened) {
    pending_.emplace_back(folder, std::move(opened));
    seen_ = static_cast<size_t>(folder) + 1;
    if (pending_.size() == kFoldersAtATime) flush();
  }

  // Puts the openings still held under their days.
  void flush() {
    for (size_t day = 0; day < report_.days.size(); ++day) {
      std::vector<folder_openings>& list = report_.days[day].openings;
      for (const auto& [folder, opened] : pending_) {
        if (opened[day] == 0) continue;
        // A full list grows to the length the folders seen so far foretell
        // for all of them, so that it is seldom moved again.
        if (list.size() == list.capacity())
          list.reserve(std::min(folders_ + 1, (list.size() + 1) * folders_ / seen_ + 8));
        list.push_back({folder, opened[day]});
      }
    }
    pending_.clear();
  }

 private:
  static constexpr size_t kFoldersAtATime = 64;

  upcoming_report& report_;
  size_t folders_;
  size_t seen_ = 1;
  std::vector<std::pair<int, std::vector<size_t>>> pending_;
};

// Judges one folder on every day and adds its openings to `openings`.
// `verdicts` is room for the verdicts of the days, kept from one folder to
// the next so that ten years of them are not made anew for each folder.
void look_ahead_at_folder(const fs::path& root, int index, const scanned_folder& scanned,
                          const folder_files& files, const std::vector<run_calendar>& calendars,
                          wall_time now, std::vector<day_verdict>& verdicts,
                          openings_by_day& openings, upcoming_report& report) {
  const folder_evaluation& evaluation = scanned.evaluation;
  verdicts_over_days by_day(evaluation.name, calendars.front().today, calendars.back().today);
  // A folder's failure is listed once: the scan's of today, or else the
  // first a later day meets. The verdicts keep none, so that a failure on
  // every day of ten years costs no memory.
  if (evaluation.failures.empty())
    if (const auto met = by_day.first_failure())
      report.failures.push_back(
          failure{met->second.code,
                  fill(localized("mj::opener::upcoming", "Folder \"%1\", judged on %2, in %3: %4."),
                       {printable(scanned.name), day_words(met->first), root_label(root),
                        met->second.description})});

  // A folder without files opens nothing on any day: its days are not judged.
  size_t total = 0;
  if (files.listed && files.count > 0) {
    // Today's verdict is the scan's own; the split, made without missed days,
    // is the same for every later day.
    by_day.fill(verdicts);
    verdicts[0] = day_verdict(evaluation.verdict);
    std::vector<size_t> opened =
        files_opened_each_day(files.count, files.times, repeat_unit_of(evaluation.name.rule),
                              verdicts, calendars.front().today);
    for (const size_t n : opened) total += n;
    if (total > 0) openings.add(index, std::move(opened));
  }
  // A folder that opens something in the days judged opens within the forecast.
  if (total > 0) return;
  if (!files.listed)
    report.never.push_back(
        {scanned.name, fill(localized("mj::opener::upcoming", "its files cannot be listed: %1"),
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

  std::vector<day_verdict> verdicts;
  openings_by_day openings(report, scan.folders.size());
  for (size_t i = 0; i < scan.folders.size(); ++i) {
    const scanned_folder& scanned = scan.folders[i];
    report.folders.push_back(scanned.name);
    const folder_files files = read_folder(root, scanned.name, report);
    look_ahead_at_folder(root, static_cast<int>(i), scanned, files, calendars, now, verdicts,
                         openings, report);
  }
  openings.flush();
  return report;
}

}  // namespace mj::opener
