// One schedule folder judged on one run: the split of its name and the due
// test it goes to. The opener's scan and `m_jar --explain` both come here.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "rules/calendar.h"
#include "rules/failure.h"
#include "rules/schedule_name.h"

namespace mj {

// The due kinds a due test leaves in `flag`.
enum due_kind : int16_t {
  kNotDue = 0,
  kWholeFolder = 1,
  kUpToDay = 2,      // files last modified up to the end of `time_stamp`
  kRepeating = 3,    // files with a repetition within time_stamp..time_stamp_to
  kWithinRange = 4,  // files last modified within time_stamp..time_stamp_to
};

// A fresh entry per folder: nothing due, both dates the zero date.
struct folder_result {
  date time_stamp = zero_date;
  date time_stamp_to = zero_date;
  int16_t flag = kNotDue;
  int16_t interval = 0;
};

enum class due_test { just, after };

struct folder_evaluation {
  schedule_name name;
  due_test test = due_test::just;
  folder_result result;
  std::vector<failure> failures;  // in the order they happened
};

// Splits `folder_name` with `missed_days` and runs the due-after test for a
// name with the minus mark, the due-on-day test otherwise. Failures are
// collected, never thrown: each ends its step and the evaluation goes on.
folder_evaluation evaluate_folder(std::string_view folder_name, long long missed_days,
                                  const run_calendar& calendar);

}  // namespace mj
