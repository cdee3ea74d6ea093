// Where the steps of a run send their failures: the handler that runs them
// decides whether a failure is shown, printed or kept silent.
#pragma once

#include <functional>

#include "rules/failure.h"

namespace mj {

using failure_sink = std::function<void(const failure&)>;

// Runs `step`; a failure it raises goes to `report` and the run goes on.
template <typename Step>
void run_step(const failure_sink& report, Step&& step) {
  try {
    step();
  } catch (const failure_error& e) {
    report(e.get());
  }
}

}  // namespace mj
