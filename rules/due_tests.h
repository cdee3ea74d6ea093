// SPDX-License-Identifier: MIT
// The due tests: whether a schedule folder is due on this run, and which of
// its files are. A name without the final "-" goes to the due-on-day test,
// one with it to the due-from-day-on test; evaluate_folder picks the test.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "base/failure.h"
#include "rules/calendar.h"
#include "rules/schedule_name.h"

namespace mj {

// What a due folder gives to the run: which of its files open.
enum class due_kind : int16_t {
  not_due = 0,
  all_files = 1,     // every file of the folder
  files_up_to = 2,   // files last modified up to the end of `from`
  repeating = 3,     // files one of whose repetitions (every `repeat_every`
                     // units after their date) falls within from..to
  files_within = 4,  // files last modified within from..to
};

struct due_verdict {
  due_kind kind = due_kind::not_due;
  date from = zero_date;  // the zero date when the test did not set it
  date to = zero_date;
  int16_t repeat_every = 0;
  // The failure that ended the test; whatever it had found before stays.
  std::optional<failure> ended_by;
};

// A verdict without its failure, as a look over many days keeps one for
// each day: a folder's failure is told once, not each day.
struct day_verdict {
  due_kind kind = due_kind::not_due;
  int16_t repeat_every = 0;
  date from = zero_date;
  date to = zero_date;

  day_verdict() = default;
  explicit day_verdict(const due_verdict& v)
      : kind(v.kind), repeat_every(v.repeat_every), from(v.from), to(v.to) {}
};

// The due-on-day test. A form that points at a day ("12-25", "SUNDAY@2",
// "E3", "15") is due when its day falls within the window of
// `name.window_days` + 1 days ending today; "TOMORROW", the repeating forms
// ("EVERY MONTH") and the age forms ("YEAR1") select files by their dates.
due_verdict due_on_day(const schedule_name& name, const run_calendar& calendar);

// The due-from-day-on test, for names with the final "-". A name that points
// at a day stays due from that day to the end of its cycle (month, year, or
// for ever); the age forms and "TOMORROW" select files at least that old.
due_verdict due_from_day_on(const schedule_name& name, const run_calendar& calendar);

enum class due_test { on_day, from_day_on };

// The test a split name asks for on the run of `calendar`: the due-from-day-on
// test for a name with the final "-", the due-on-day test otherwise.
due_verdict due_on_run(const schedule_name& name, const run_calendar& calendar);

// One schedule folder judged on one run.
struct folder_evaluation {
  schedule_name name;
  due_test test = due_test::on_day;
  due_verdict verdict;            // `ended_by` is also the last entry of `failures`
  std::vector<failure> failures;  // the split's and the test's, in order
};

// Splits `folder_name` with `missed_days` and runs the test the name asks
// for. Failures are collected, never thrown: each ends its step and the
// evaluation goes on. The opener's scan, its dry run, `m_jar --explain` and
// the writer's reading of a name all come here.
folder_evaluation evaluate_folder(std::string_view folder_name, long long missed_days,
                                  const run_calendar& calendar);

// Whether due_on_run gives `name` (split without missed days) the same
// verdict, failures included, on every day from `first` to `last`: a form
// that points at a day, not a full date, whose window is so wide that every
// window holds all its cycles. A look over many days judges one day only.
bool same_verdict_every_day(const schedule_name& name, date first, date last);

// Whether the form of `name`, one that points at a day other than a full
// date ("12-25", "SUNDAY@2", "E3", "15"), names no day at all: none of the
// days of a stretch as long as the longest gap between two days of such a
// form (29 February may skip eight years), from `from` on, is its day.
// False when the name is of another form or cannot be read.
bool names_no_day(const schedule_name& name, date from);

// The verdicts due_on_run gives `name` (split without missed days) on the
// days from `first` to `last`, asked for in ascending order, as judging each
// day in turn gives them, but found from the kind of verdict the name gives:
// a name with the same verdict every day is judged once; a name that looks
// back a fixed number of days ("TOMORROW", "EVERYDAY", "DAY10") is judged on
// the first day and its days moved on; an age form in months or years
// ("YEAR1", "MONTH2=5") counts back from each day with its number read once;
// a form that points at a day is read
// once a year and looks at each day once, instead of at
// every day of its window every day; the other forms are judged day by day.
// Where a day's test would meet the ends of the supported years, or the name
// cannot be read, every day is judged in full.
class verdicts_over_days {
 public:
  verdicts_over_days(const schedule_name& name, date first, date last);

  // The verdict on `day` (first <= day <= last, each day no earlier than the
  // one asked before), its failure left out.
  due_verdict on(date day);

  // The verdicts of every day from `first` to `last`, one per day, into
  // `out`: as on() gives them, without a verdict made for each day where
  // the kind of verdict needs none. Instead of on(), not after it.
  void fill(std::vector<day_verdict>& out);

  // The first day from `first` on whose verdict ends with a failure, and that
  // failure; found from a few days chosen by the kind of verdict.
  std::optional<std::pair<date, failure>> first_failure() const;

 private:
  enum class way { same_every_day, moving, counted_back, window_sweep, each_day };

  due_kind swept(date day);
  due_verdict counted_back(date day) const;

  schedule_name name_;
  date first_;
  date last_;
  way way_ = way::each_day;
  due_verdict same_;  // the verdict of every day, or of `first_` for moving
  // counted_back: the age form's unit and number, read once.
  date_unit age_unit_ = date_unit::days;
  int16_t age_count_ = 0;
  // The window sweep: the window's day count, the form as read in the year
  // ending on `read_year_end_`, and the latest day of the form up to `swept_to_`.
  int16_t day_count_ = 0;
  date read_year_end_{};
  bool read_failed_ = false;
  struct form_reading;
  std::shared_ptr<const form_reading> reading_;
  std::optional<date> swept_to_;
  std::optional<date> last_match_;
};

// The repeating keyword's unit of a rule name ("EVERY MONTH" -> months), for
// due_kind::repeating; nullopt for any other form.
std::optional<date_unit> repeat_unit_of(std::string_view rule);

}  // namespace mj
