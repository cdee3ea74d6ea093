// SPDX-License-Identifier: MIT
// The opener's answers about one folder name, in sentences for people or as
// one JSON object for scripts: `m_jar --explain` (how the name is read and
// what it does on one day) and `m_jar --next` (when a file stored today would
// open). The JSON words (due kinds, dates) are shared with `--dry-run --json`.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/due_tests.h"
#include "rules/next_openings.h"

namespace mj::opener {

// The evaluation `m_jar --explain` tells of: the folder's own, except that
// the empty name is the capsule root, whose files open at every run, and a
// name beginning with "." is a folder the run passes over, never due.
folder_evaluation explained_evaluation(std::string_view folder_name, long long missed_days,
                                       const run_calendar& calendar);

// The forecast `m_jar --next` tells of: no opening for a folder the run
// passes over, with why. Runs count from `first_run` on (see
// forecast_openings).
opening_forecast forecast_for(std::string_view folder_name, wall_time stored_at, int count,
                              std::optional<date> first_run = std::nullopt);

// A few sentences: how the name reads, whether it is due on `today` (with
// `missed_days` missed before it) and which files open, and any failure.
std::string explain_text(std::string_view folder_name, const folder_evaluation& e, date today,
                         long long missed_days);

// One JSON object on one line (without the line break), with the keys name,
// rule, week_of_month, days, window_days, catch_up, stays_due, test, due,
// from, to, repeat_every, failures and lenient (null, or {kind, suggestion}
// for a name the rules read only leniently).
std::string explain_json(std::string_view folder_name, const folder_evaluation& e);

// `m_jar --next`: the openings of a file stored on `today` in `folder_name`,
// for daily runs from `counted_from` on (today, or tomorrow once today's run
// is over); the JSON has it as "counted_from".
std::string next_text(std::string_view folder_name, date today, date counted_from,
                      const opening_forecast& f);
std::string next_json(std::string_view folder_name, date today, date counted_from,
                      const opening_forecast& f);

// The JSON word of a due kind: "no", "all_files", "files_up_to",
// "repeating" or "files_within".
const char* due_kind_key(due_kind kind);

}  // namespace mj::opener
