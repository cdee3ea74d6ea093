// SPDX-License-Identifier: MIT
// The rule, by name, of which folders of the capsule root the opener passes
// over. The opener's scan, its questions (--explain, --next) and the writer's
// checks before storing all keep to this one rule; the part of the rule that
// reads a folder's attribute word is platform::is_schedule_folder.
#pragma once

#include <string_view>

namespace mj {

// Whether the opener passes over a folder named `folder_name`: a name that
// begins with ".", as file managers hide such folders, so its files never
// open. The empty name, the capsule root itself, is not passed over.
constexpr bool is_passed_over_name(std::string_view folder_name) {
  return !folder_name.empty() && folder_name.front() == '.';
}

}  // namespace mj
