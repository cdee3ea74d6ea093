// SPDX-License-Identifier: MIT
#include "opener/next_start.h"

#include "platform/capsule_root.h"
#include "platform/day_record.h"
#include "rules/next_openings.h"

namespace mj::opener {

next_start start_of_next(const tool_options& options) {
  std::optional<date> served = options.served_through;
  if (!served && !options.today_given) {
    const std::string root = platform::resolve_capsule_root("").full_path();
    // A record that cannot be read counts nothing as served: today stays ahead.
    const result<platform::day_record> record =
        platform::read_day_record(platform::canonical_root_path(root));
    if (record.ok()) served = record->served_through;
  }
  return {served, first_day_with_a_run(options.today, served)};
}

}  // namespace mj::opener
