// SPDX-License-Identifier: MIT
// Reading mj::result values in tests.
#pragma once

#include <gtest/gtest.h>

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

// The code of the failure `r` holds, or 0 when it holds a value.
template <typename T>
int failure_code_of(const result<T>& r) {
  return r.ok() ? 0 : code_number(r.error().code);
}

}  // namespace mj::testing
