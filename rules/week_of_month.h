// Week-of-month arithmetic behind names such as "SUNDAY@2". Weeks count from
// the first day of the month: week 1 is days 1 to 7 whatever its weekdays.
#pragma once

#include <cstdint>

#include "rules/calendar.h"

namespace mj {

// The week of the month (1 for days 1-7 ... 5 for days 29-31) of a day
// number. Fails with kOverflow for -32768.
int16_t calc_monthweek(const int16_t& day_in);

// The `mweek`-th day with weekday number `week_day` (1 = Sunday) counted from
// `mstart_day`: with the first of a month and mweek 1..4 it is that weekday's
// mweek-th occurrence in the month; mweek 5 may reach into the next month.
// Fails with kOverflow when the week count leaves 16 bits, kInvalidArgument
// when the day leaves the years 100..9999.
date calc_mweekday(const date& mstart_day, const int16_t& week_day, const int16_t& mweek);

}  // namespace mj
