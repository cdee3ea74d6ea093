// SPDX-License-Identifier: MIT
#include "base/failure.h"

#include "base/wording.h"

namespace mj {

std::string failure_words(failure_code code) {
  switch (code) {
    case failure_code::invalid_argument:
      return localized("mj::failure", "Invalid procedure call or argument");
    case failure_code::overflow:
      return localized("mj::failure", "Overflow");
    case failure_code::type_mismatch:
      return localized("mj::failure", "Type mismatch");
    case failure_code::not_found:
      return localized("mj::failure", "File not found");
    case failure_code::path_access:
      return localized("mj::failure", "Path/File access error");
    case failure_code::path_not_found:
      return localized("mj::failure", "Path not found");
  }
  return localized("mj::failure", "Failure");
}

failure make_failure(failure_code code, std::string_view detail) {
  return failure{code, detail.empty() ? failure_words(code) : std::string(detail)};
}

}  // namespace mj
