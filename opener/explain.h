// The opener's answers about one folder name, in sentences for people or as
// one JSON object for scripts: `m_jar --explain` (how the name is read and
// what it does on one day) and `m_jar --next` (when a file stored today would
// open). The JSON words (due kinds, dates) are shared with `--dry-run --json`.
#pragma once

#include <QJsonArray>
#include <QJsonValue>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "rules/due_tests.h"
#include "rules/next_openings.h"

namespace mj {

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

// A date as JSON: "YYYY-MM-DD", or null for the unset zero date.
QJsonValue json_date(date d);

// Failures as a JSON array of {code, description}, in order.
QJsonArray json_failures(const std::vector<failure>& failures);

// UTF-8 bytes as a QString (invalid bytes become replacement characters).
QString from_utf8(std::string_view text);

}  // namespace mj
