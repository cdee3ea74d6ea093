// The failure policy of the opener's handlers: a failure with code 53 (file
// not found) is silent, any other one is shown with its description, and
// either way the handler goes on with its next step.
#pragma once

#include "rules/failure.h"

namespace mj {

inline constexpr char kProgramTitle[] = "Morrowjar";

// Shows `f` in a box with an OK button (one stderr line without a display),
// unless its code is 53.
void report_by_policy(const failure& f);

}  // namespace mj
