// Today's date on this computer's calendar (local time), the day a run or a
// stored message belongs to.
#pragma once

#include "base/date.h"

namespace mj::platform {

// Defined beside the file times (file_time_posix.cc, file_time_win32.cc),
// which read the same local calendar of the system.
date local_date_today();

}  // namespace mj::platform
