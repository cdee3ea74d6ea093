// The start of a run: the run calendar and the days missed since the
// previous run, from the stored "prev_date".
#pragma once

#include <string>
#include <string_view>

#include "opener/failure_sink.h"
#include "rules/calendar.h"

namespace mj {

struct run_start {
  run_calendar calendar;
  long long missed_days = 0;
};

// `prev_date_text` as stored ("yyyy/mm/dd"). Empty means no previous run: the
// last run is today. A text that is no date is reported (type mismatch) and
// counts as today as well, so the run neither widens nor loses a window.
run_start start_run(std::string_view prev_date_text, date today, const failure_sink& report);

// The stored form of a date: "yyyy/mm/dd".
std::string format_prev_date(date d);

}  // namespace mj
