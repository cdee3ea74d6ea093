// Helpers shared by the rules' tests.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "rules/calendar.h"
#include "rules/failure.h"

namespace mj::testing {

// "YYYY-MM-DD" as a date; "1899-12-30" is the zero date.
inline date D(const char* iso) {
  const std::optional<date> d = iso == std::string("1899-12-30") ? zero_date : parse_iso_date(iso);
  if (!d) ADD_FAILURE() << "bad test date " << iso;
  return d.value_or(zero_date);
}

// The code of the failure `f` throws, or 0 when it throws none.
template <typename F>
int failure_code_of(F&& f) {
  try {
    f();
  } catch (const failure_error& e) {
    return e.get().code;
  }
  return 0;
}

}  // namespace mj::testing
