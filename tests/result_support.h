// SPDX-License-Identifier: MIT
// Reading mj::result values in tests.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "base/failure.h"

namespace mj::testing {

// The value of `r`; a failure instead is a test failure (and gives T{}).
template <typename T>
T value_of(const result<T>& r) {
  if (!r.ok()) {
    ADD_FAILURE() << "unexpected failure: " << r.error().description;
    return T{};
  }
  return r.value();
}

// The code of the failure `r` holds, or nothing when it holds a value.
template <typename T>
std::optional<failure_code> failure_code_of(const result<T>& r) {
  if (r.ok()) return std::nullopt;
  return r.error().code;
}

}  // namespace mj::testing

namespace mj {

// Failure codes print by their names in test output ("not_found (53)").
inline void PrintTo(failure_code code, std::ostream* out) {
  switch (code) {
    case failure_code::invalid_argument:
      *out << "invalid_argument";
      break;
    case failure_code::overflow:
      *out << "overflow";
      break;
    case failure_code::type_mismatch:
      *out << "type_mismatch";
      break;
    case failure_code::not_found:
      *out << "not_found";
      break;
    case failure_code::path_access:
      *out << "path_access";
      break;
    case failure_code::path_not_found:
      *out << "path_not_found";
      break;
  }
  *out << " (" << code_number(code) << ")";
}

}  // namespace mj
