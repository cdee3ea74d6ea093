// SPDX-License-Identifier: MIT
// The day from which `m_jar --next` counts the opener's runs: today, unless
// the opener's record of days says today's run for the default capsule root
// is over already, when tomorrow. `--served-through` stands in for the
// record; with `--today` alone nothing counts as served, so that answers for
// a given day do not depend on the record of this computer.
#pragma once

#include <optional>

#include "base/date.h"
#include "opener/tool_options.h"

namespace mj::opener {

struct next_start {
  std::optional<date> served_through;  // as the record (or the option) gives it
  date counted_from;                   // the first day with a run ahead
};

next_start start_of_next(const tool_options& options);

}  // namespace mj::opener
