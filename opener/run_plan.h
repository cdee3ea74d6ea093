// SPDX-License-Identifier: MIT
// Everything a run of the opener decides before its first file opens: the
// run calendar from the stored date of the previous run, the classic command
// line, where the capsule is, how every schedule folder was judged, and which
// files open in which order. The real run and `m_jar --dry-run` both come
// here; the run's window then works through the opening queue.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "opener/capsule_scan.h"
#include "platform/capsule_root.h"
#include "platform/day_record.h"
#include "rules/calendar.h"

namespace mj::opener {

inline constexpr int kDefaultInterval = 500;  // milliseconds between two openings

// How many days without a run, before today, are examined for messages that
// came due on them and will not come back; and how far ahead such a message
// is looked for (four years and a day: every date of the calendar comes back
// within it, 29 February included).
inline constexpr int kOffDaysExamined = 366;
inline constexpr int kLookAheadDays = 4 * 366;

// The days one run serves: today, with the days since the last day served.
// A day on which a run started and did not finish is owed as a day that had
// a run: the exact-day folders (those without "+") open its files too. A day
// without any run (the computer off) keeps the schedule's meaning: only "+"
// folders catch it up, and the messages of others that came due on it are
// told as passed over.
struct run_start {
  run_calendar calendar;
  long long missed_days = 0;           // days strictly between the last day served and today
  std::optional<date> served_through;  // the last day served, as the record holds it
  std::vector<date> owed_days;         // days before today whose run did not finish
  std::vector<date> off_days;          // days before today without a run, at most kOffDaysExamined
  // Today lies before the last day served: the clock is wrong, or was. The
  // run then opens only the capsule root's files and records nothing.
  bool clock_behind = false;
};

// The days to serve from the record of the capsule root. A record that cannot
// be read is reported and counts today as the only day, so the run neither
// widens nor loses a window.
run_start run_start_from_record(const result<platform::day_record>& record, date today,
                                const failure_sink& report);

// `prev_date_text` as stored ("yyyy/mm/dd") standing for the day served
// through. Empty means no previous run: the last run is today. A text that
// is no date is reported (type mismatch) and counts as today as well.
run_start run_start_from(std::string_view prev_date_text, date today, const failure_sink& report);

// The stored form of a date: "yyyy/mm/dd".
std::string format_prev_date(date d);

// The opener's classic command line: optional leading digits, the start-up
// delay in seconds, then the location text of the capsule root.
struct classic_command_line {
  std::optional<int> interval_ms;  // set only when the text begins with digits
  std::string location;            // blanks at both ends removed
};

// A delay whose milliseconds do not fit in a signed 32-bit number is reported
// (overflow) and leaves `interval_ms` unset; the digits are dropped anyway.
classic_command_line split_command_line(std::string_view text, const failure_sink& report);

// A message that came due on a day without a run, in a folder without "+",
// and will not open on a later day: it is offered once, at the run that
// covers that day.
struct passed_over_file {
  std::string path;
  std::string folder;
  date due_on;
};

struct run_plan {
  platform::capsule_location root;
  capsule_scan scan;
  opening_selection selection;  // today's files, then those of the owed days
  std::vector<passed_over_file> passed_over;

  // Whether the day's work can be counted as done once every queued file was
  // handed over: the capsule root was examined and every due folder read.
  bool covers_the_day() const { return scan.root_listed && selection.complete; }
};

// Scans the capsule root `root` and selects the due files of today and of the
// owed days, and the passed-over ones of the days without a run. Failures go
// to `report`; none stops the plan.
run_plan plan_run(const platform::capsule_location& root, const run_start& start,
                  const failure_sink& report);

// The opening queue as the run works through it: one file per tick, and the
// end of the run at the tick after the last one.
class opening_queue {
 public:
  opening_queue() = default;
  explicit opening_queue(const std::vector<queue_entry>& entries);

  // One tick: the path to hand to the desktop, or nullopt when every file has
  // been handed over and the run is to end.
  std::optional<std::string> tick();

  size_t size() const { return paths_.size(); }
  size_t handed_over() const { return next_; }

  // The file of the last tick could not be handed over: the run must not
  // count the day as done, so that the next run tries again.
  void mark_failed() { ++failed_; }
  size_t failed() const { return failed_; }

 private:
  std::vector<std::string> paths_;
  size_t next_ = 0;  // how many files the ticks have handed over
  size_t failed_ = 0;
};

}  // namespace mj::opener
