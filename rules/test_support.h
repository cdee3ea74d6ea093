// SPDX-License-Identifier: MIT
// Helpers shared by the rules' tests.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <optional>
#include <string>

#include "rules/calendar.h"
#include "rules/failure_error.h"
#include "tests/result_support.h"

namespace mj::testing {

// "YYYY-MM-DD" as a date; "1899-12-30" is the zero date.
inline date D(const char* iso) {
  const std::optional<date> d = iso == std::string("1899-12-30") ? zero_date : parse_iso_date(iso);
  if (!d) ADD_FAILURE() << "bad test date " << iso;
  return d.value_or(zero_date);
}

// The code of the failure `f` ends with, or 0 when it ends with none.
template <typename F>
requires std::invocable<F>
int failure_code_of(F&& f) {
  const std::optional<failure> ended = failure_of(f);
  return ended ? code_number(ended->code) : 0;
}

}  // namespace mj::testing
