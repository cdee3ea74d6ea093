#include "opener/command_line.h"

#include <limits>

#include "platform/capsule_root.h"

namespace mj {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

classic_command_line split_command_line(std::string_view text, const failure_sink& report) {
  classic_command_line result;
  size_t digits = 0;
  while (digits < text.size() && is_digit(text[digits])) ++digits;
  if (digits > 0) {
    constexpr long long kMaxMilliseconds = std::numeric_limits<int32_t>::max();
    long long milliseconds = 0;
    for (size_t i = 0; i < digits && milliseconds <= kMaxMilliseconds; ++i)
      milliseconds = milliseconds * 10 + (text[i] - '0') * 1000LL;
    if (milliseconds <= kMaxMilliseconds) {
      result.interval_ms = static_cast<int>(milliseconds);
    } else {
      report(failure{kOverflow, "Overflow: a start-up delay of " +
                                    std::string(text.substr(0, digits)) + " seconds"});
    }
  }
  result.location = std::string(platform::trim_blanks(text.substr(digits)));
  return result;
}

}  // namespace mj
