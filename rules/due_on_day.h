// The due-on-day test: is a schedule folder without the final "-" due on this
// run, and how.
#pragma once

#include <cstdint>
#include <string>

#include "rules/calendar.h"

namespace mj {

// Judges the rule name `dir_name` against the run calendar. Writes only when
// the folder is due: `flag` (1 whole folder, 2 files up to `time_stamp`,
// 3 repetitions every `interval` units within the range, 4 files dated within
// `time_stamp`..`time_stamp_to`); never reads `flag` or `interval`.
// `period` is read by the age forms only, `mweek` by the weekday forms only;
// `period2` is how far the window of days (or the date range) reaches back.
// A failure (mj::failure_error) ends the test where it happens; what was
// written before it stays.
void dir_name_chk_just(const std::string& dir_name, const int16_t& period, const int16_t& period2,
                       const int16_t& mweek, date& time_stamp, date& time_stamp_to, int16_t& flag,
                       int16_t& interval, const run_calendar& calendar);

}  // namespace mj
