#include "opener/run_plan.h"

namespace mj {

run_plan plan_run(std::string_view location_text, const run_start& start,
                  const failure_sink& report) {
  run_plan plan;
  plan.root = platform::resolve_capsule_root(location_text);
  const std::filesystem::path root = plan.root.full_path();
  plan.scan = scan_capsule(root, start.missed_days, start.calendar, report);
  plan.selection = select_due_files(root, plan.scan, start.calendar.today, report);
  return plan;
}

}  // namespace mj
