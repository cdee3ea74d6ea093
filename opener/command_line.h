// The opener's classic command line: optional leading digits, the start-up
// delay in seconds, then the location text of the capsule root.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "opener/failure_sink.h"

namespace mj {

struct classic_command_line {
  std::optional<int> interval_ms;  // set only when the text begins with digits
  std::string location;            // blanks at both ends removed
};

// A delay whose milliseconds do not fit in a signed 32-bit number is reported
// (overflow) and leaves `interval_ms` unset; the digits are dropped anyway.
classic_command_line split_command_line(std::string_view text, const failure_sink& report);

}  // namespace mj
