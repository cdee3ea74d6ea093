// SPDX-License-Identifier: MIT
// `m_jar --dry-run`: the run's plan shown instead of carried out. Nothing is
// opened, "prev_date" is not written, no window is shown.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "opener/run_plan.h"

namespace mj::opener {

struct dry_run_report {
  run_start start;
  run_plan plan;
  std::vector<failure> failures;  // every failure, the silent ones included
};

// The same start, scan and selection as the real run: from the record of the
// capsule root, or from `served_through` when given (`--prev`).
dry_run_report dry_run(std::optional<date> served_through, date today, std::string_view location);

// A heading line starting with "#", then one line per queued file: its path,
// a tab, and why it opens, in the words of `m_jar --explain`; then each
// failure on a line starting with "#". Names are shown as `printable` shows
// them, so that a name can never forge a line or reach a terminal raw.
std::string dry_run_text(const dry_run_report& report);

// One JSON object on one line (without the line break).
std::string dry_run_json(const dry_run_report& report);

}  // namespace mj::opener
