// Everything a run decides before its timer starts: where the capsule is,
// how every schedule folder was judged, and which files open in which order.
// The real run and `m_jar --dry-run` both come here.
#pragma once

#include <string_view>

#include "opener/capsule_scan.h"
#include "opener/due_file_selection.h"
#include "opener/start_up.h"
#include "platform/capsule_root.h"

namespace mj {

struct run_plan {
  platform::capsule_location root;
  capsule_scan scan;
  opening_selection selection;
};

// Resolves the capsule root from `location_text`, scans it and selects the
// due files. Failures go to `report`; none stops the plan.
run_plan plan_run(std::string_view location_text, const run_start& start,
                  const failure_sink& report);

}  // namespace mj
