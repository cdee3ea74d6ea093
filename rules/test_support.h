// SPDX-License-Identifier: MIT
// Helpers shared by the rules' tests.
#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <optional>
#include <string>

#include "rules/calendar.h"
#include "rules/due_tests.h"
#include "rules/failure_error.h"
#include "tests/result_support.h"

namespace mj::testing {

// "YYYY-MM-DD" as a date; "1899-12-30" is the zero date.
inline date D(const char* iso) {
  const std::optional<date> d = iso == std::string("1899-12-30") ? zero_date : parse_iso_date(iso);
  if (!d) ADD_FAILURE() << "bad test date " << iso;
  return d.value_or(zero_date);
}

// The code of the failure `f` ends with, or nothing when it ends with none.
template <typename F>
requires std::invocable<F> std::optional<failure_code> failure_code_of(F&& f) {
  const std::optional<failure> ended = failure_of(f);
  if (!ended) return std::nullopt;
  return ended->code;
}

}  // namespace mj::testing

namespace mj {

// Due kinds print by their names in test output.
inline void PrintTo(due_kind kind, std::ostream* out) {
  switch (kind) {
    case due_kind::not_due:
      *out << "not_due";
      return;
    case due_kind::all_files:
      *out << "all_files";
      return;
    case due_kind::files_up_to:
      *out << "files_up_to";
      return;
    case due_kind::repeating:
      *out << "repeating";
      return;
    case due_kind::files_within:
      *out << "files_within";
      return;
  }
  *out << "due_kind(" << static_cast<int>(kind) << ")";
}

}  // namespace mj
