// The opener's load sequence after the skip key: run calendar, command line,
// capsule scan and due-file selection, with what the form then has to do.
#pragma once

#include <string>

#include "opener/run_plan.h"

namespace mj {

inline constexpr int kDefaultInterval = 500;  // milliseconds between two openings

struct load_inputs {
  std::string prev_date_text;  // as stored; empty when there was no previous run
  date today;
  std::string command_line;  // the program's arguments joined by single spaces
};

struct load_outcome {
  int interval_ms = kDefaultInterval;
  run_plan plan;
  std::string prev_date;  // `today` in its stored form, to write back
};

load_outcome run_load_sequence(const load_inputs& inputs, const failure_sink& report);

}  // namespace mj
