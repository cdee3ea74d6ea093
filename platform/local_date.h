// SPDX-License-Identifier: MIT
// Today's date on this computer's calendar (local time), the day a run or a
// stored message belongs to.
#pragma once

#include "base/date.h"

namespace mj::platform {

date local_date_today();

// Now on the local clock, counted as file times are read (local date and
// time of day as if the local clock were UTC), to the second.
wall_time local_time_now();

}  // namespace mj::platform
