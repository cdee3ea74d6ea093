#include "opener/load_sequence.h"

#include "opener/command_line.h"

namespace mj {

load_outcome run_load_sequence(const load_inputs& inputs, const failure_sink& report) {
  load_outcome outcome;
  const run_start start = start_run(inputs.prev_date_text, inputs.today, report);
  const classic_command_line command_line = split_command_line(inputs.command_line, report);
  if (command_line.interval_ms) outcome.interval_ms = *command_line.interval_ms;
  outcome.plan = plan_run(command_line.location, start, report);
  outcome.prev_date = format_prev_date(inputs.today);
  return outcome;
}

}  // namespace mj
