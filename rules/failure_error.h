// SPDX-License-Identifier: MIT
// Inside the schedule rules a failure ends the step it happens in at once,
// however deep the arithmetic is. It travels as this exception and is turned
// back into a value by the functions that the rest of the programs call
// (due_on_day, due_from_day_on, evaluate_folder, the due-file rule).
#pragma once

#include <exception>
#include <string_view>

#include "base/failure.h"

namespace mj {

class failure_error : public std::exception {
 public:
  explicit failure_error(failure f) : failure_(std::move(f)) {}
  const failure& get() const { return failure_; }
  const char* what() const noexcept override { return failure_.description.c_str(); }

 private:
  failure failure_;
};

[[noreturn]] inline void fail(failure_code code, std::string_view detail) {
  throw failure_error(make_failure(code, detail));
}

// Runs `step`; returns the failure it ended with, if any.
template <typename Step>
std::optional<failure> failure_of(Step&& step) {
  try {
    step();
  } catch (const failure_error& e) {
    return e.get();
  }
  return std::nullopt;
}

}  // namespace mj
