// Today's date on this computer's calendar (local time), the day a run or a
// stored message belongs to.
#pragma once

#include "base/date.h"

namespace mj::platform {

date local_date_today();

}  // namespace mj::platform
