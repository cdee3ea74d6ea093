// The due-after test: is a schedule folder whose name ends in "-" due on this
// run. A name that points at a day stays due from that day to the end of its
// cycle (month, year, or for ever); the age forms and "TOMORROW" select files
// at least that old.
#pragma once

#include <cstdint>
#include <string>

#include "rules/calendar.h"

namespace mj {

// Same parameters as dir_name_chk_just. Reads only `dir_name` and `mweek`;
// writes `flag` (1 whole folder, 2 files up to `time_stamp`), `time_stamp`
// with due kind 2 only, and `flag` := 0 for a weekday form without "@".
// `period`, `period2`, `time_stamp_to` and `interval` are left alone.
// A failure (mj::failure_error) ends the test where it happens.
void dir_name_chk_after(const std::string& dir_name, const int16_t& period, const int16_t& period2,
                        const int16_t& mweek, date& time_stamp, date& time_stamp_to, int16_t& flag,
                        int16_t& interval, const run_calendar& calendar);

}  // namespace mj
