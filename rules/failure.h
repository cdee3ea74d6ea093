// Failures of the schedule rules: a stable code and a readable description.
#pragma once

#include <exception>
#include <string>

namespace mj {

// Codes are stable: callers and stored reports may compare them.
enum failure_code : int {
  kInvalidArgument = 5,  // a date outside the years 100..9999, a bad argument
  kOverflow = 6,         // a number outside the signed 16-bit range
  kTypeMismatch = 13,    // a text that is not the date or number expected
  kFileNotFound = 53,    // silent in the opener: only ends a listing
};

struct failure {
  int code = 0;
  std::string description;
  bool operator==(const failure&) const = default;
};

// Thrown inside the rules to end a due test at once; whatever the test wrote
// before stays. Only the per-folder evaluation (and the opener's handlers)
// catch it.
class failure_error : public std::exception {
 public:
  explicit failure_error(failure f) : failure_(std::move(f)) {}
  const failure& get() const { return failure_; }
  const char* what() const noexcept override { return failure_.description.c_str(); }

 private:
  failure failure_;
};

[[noreturn]] void fail(int code, std::string detail);

}  // namespace mj
