#include "rules/failure.h"

namespace mj {

namespace {

const char* base_description(int code) {
  switch (code) {
    case kInvalidArgument:
      return "Invalid procedure call or argument";
    case kOverflow:
      return "Overflow";
    case kTypeMismatch:
      return "Type mismatch";
    case kFileNotFound:
      return "File not found";
  }
  return "Failure";
}

}  // namespace

void fail(int code, std::string detail) {
  std::string text = base_description(code);
  if (!detail.empty()) text += ": " + detail;
  throw failure_error(failure{code, std::move(text)});
}

}  // namespace mj
