// SPDX-License-Identifier: MIT
// The due tests: whether a schedule folder is due on this run, and which of
// its files are. A name without the final "-" goes to the due-on-day test,
// one with it to the due-from-day-on test; evaluate_folder picks the test.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
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

// The repeating keyword's unit of a rule name ("EVERY MONTH" -> months), for
// due_kind::repeating; nullopt for any other form.
std::optional<date_unit> repeat_unit_of(std::string_view rule);

}  // namespace mj
