#include "rules/folder_evaluation.h"

#include "rules/due_after.h"
#include "rules/due_on_day.h"

namespace mj {

folder_evaluation evaluate_folder(std::string_view folder_name, long long missed_days,
                                  const run_calendar& calendar) {
  folder_evaluation e;
  e.name = split_schedule_name(folder_name, missed_days, e.failures);
  e.test = e.name.minus ? due_test::after : due_test::just;
  const auto chk = e.test == due_test::after ? dir_name_chk_after : dir_name_chk_just;
  folder_result& r = e.result;
  try {
    chk(e.name.rule_name, e.name.period, e.name.period2, e.name.mweek, r.time_stamp,
        r.time_stamp_to, r.flag, r.interval, calendar);
  } catch (const failure_error& f) {
    e.failures.push_back(f.get());
  }
  return e;
}

}  // namespace mj
