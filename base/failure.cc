#include "base/failure.h"

namespace mj {

std::string_view failure_words(failure_code code) {
  switch (code) {
    case failure_code::invalid_argument:
      return "Invalid procedure call or argument";
    case failure_code::overflow:
      return "Overflow";
    case failure_code::type_mismatch:
      return "Type mismatch";
    case failure_code::not_found:
      return "File not found";
    case failure_code::path_access:
      return "Path/File access error";
    case failure_code::path_not_found:
      return "Path not found";
  }
  return "Failure";
}

failure make_failure(failure_code code, std::string_view detail) {
  return failure{code, detail.empty() ? std::string(failure_words(code)) : std::string(detail)};
}

}  // namespace mj
