// SPDX-License-Identifier: MIT
// The one failure type of both programs: a stable code and a readable
// description. Functions that can fail hand it back as a value; the handler
// that owns the "report and go on" policy decides whether it is shown.
//
// A failure travels in one of three forms:
//   - result<T> (result<void> for an operation that gives nothing back) from
//     one operation to its caller;
//   - a failure sink, a function that takes each failure of a scan that
//     reports and goes on;
//   - inside rules/ only, an exception that ends one step of a due test and
//     is turned back into a value before the rules return.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace mj {

// The numbers are stable: reports and scripts compare them, and the opener
// keeps not_found silent.
enum class failure_code : int {
  invalid_argument = 5,  // a date outside the years 100..9999, a bad argument
  overflow = 6,          // a number outside the signed 16-bit range
  type_mismatch = 13,    // a text that is not the date or number expected
  not_found = 53,        // nothing at a path; silent in the opener
  path_access = 75,      // a path that is there but cannot be read or written
  path_not_found = 76,   // a folder that cannot be made current
};

struct failure {
  failure_code code = failure_code::invalid_argument;
  std::string description;
  bool operator==(const failure&) const = default;
};

// The code's own words ("Overflow", "Path/File access error", ...), in the
// user's language.
std::string failure_words(failure_code code);

// A failure whose description is `detail`, a sentence for people without its
// final full stop (the code's own words when `detail` is empty).
failure make_failure(failure_code code, std::string_view detail);

inline int code_number(failure_code code) { return static_cast<int>(code); }

// Whether the opener tells the user of `f`. Nothing at a path (not_found) is
// nothing lost, a file removed since it was listed, say, and stays silent;
// every other failure is told.
inline bool is_told(const failure& f) { return f.code != failure_code::not_found; }

// A value, or the failure that kept it from being made.
template <typename T>
class result {
 public:
  result(T value) : value_(std::move(value)) {}
  result(failure f) : failure_(std::move(f)) {}

  // No conversion to bool: for result<bool> it would read as the value.
  bool ok() const { return value_.has_value(); }
  const T& value() const { return *value_; }
  T& value() { return *value_; }
  const T& operator*() const { return *value_; }
  const T* operator->() const { return &*value_; }
  const failure& error() const { return *failure_; }

 private:
  std::optional<T> value_;
  std::optional<failure> failure_;
};

// An operation that gives nothing back: done, or the failure that stopped it.
template <>
class result<void> {
 public:
  result() = default;
  result(failure f) : failure_(std::move(f)) {}

  bool ok() const { return !failure_.has_value(); }
  const failure& error() const { return *failure_; }

 private:
  std::optional<failure> failure_;
};

// Where the steps of a scan that reports and goes on send their failures:
// the handler that runs them decides whether a failure is shown, printed or
// kept silent.
using failure_sink = std::function<void(const failure&)>;

}  // namespace mj
