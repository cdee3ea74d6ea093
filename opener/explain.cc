// SPDX-License-Identifier: MIT
#include "opener/explain.h"

#include "base/passed_over.h"
#include "base/visible_text.h"
#include "base/wording.h"
#include "opener/json_text.h"
#include "rules/lenient_readings.h"
#include "rules/schedule_words.h"

namespace mj::opener {

const char* due_kind_key(due_kind kind) {
  switch (kind) {
    case due_kind::not_due:
      return "no";
    case due_kind::all_files:
      return "all_files";
    case due_kind::files_up_to:
      return "files_up_to";
    case due_kind::repeating:
      return "repeating";
    case due_kind::files_within:
      return "files_within";
  }
  return "no";
}

namespace {

failure passed_over_failure() {
  return make_failure(failure_code::invalid_argument,
                      localized("mj::opener::explain",
                                "the opener passes over folders whose name begins with \".\", "
                                "so their files never open"));
}

std::string problem_lines(const std::vector<failure>& failures) {
  std::string out;
  for (const failure& f : failures)
    out += fill(localized("mj::opener::explain", "Problem: %1."), {printable_line(f.description)}) +
           "\n";
  return out;
}

}  // namespace

folder_evaluation explained_evaluation(std::string_view folder_name, long long missed_days,
                                       const run_calendar& calendar) {
  folder_evaluation e = evaluate_folder(folder_name, missed_days, calendar);
  if (folder_name.empty()) {
    // The capsule root itself: its files open at every run.
    e.verdict = due_verdict{};
    e.verdict.kind = due_kind::all_files;
    e.failures.clear();
  } else if (is_passed_over_name(folder_name)) {
    e.verdict = due_verdict{};
    e.failures.push_back(passed_over_failure());
  }
  return e;
}

opening_forecast forecast_for(std::string_view folder_name, wall_time stored_at, int count,
                              std::optional<date> first_run) {
  if (!is_passed_over_name(folder_name))
    return forecast_openings(folder_name, stored_at, count, first_run);
  opening_forecast f;
  f.failures.push_back(passed_over_failure());
  return f;
}

std::string explain_text(std::string_view folder_name, const folder_evaluation& e, date today,
                         long long missed_days) {
  const std::string day = day_words(today);
  const std::string verdict = describe_verdict(e);
  std::string out;
  if (folder_name.empty()) {
    out = localized("mj::opener::explain",
                    "\"\" is the capsule root itself: its files open at every run.") +
          "\n";
  } else {
    // How the name reads does not depend on the missed days: only its window does.
    std::vector<failure> ignored;
    const schedule_name plain = split_schedule_name(folder_name, 0, ignored);
    out = fill(localized("mj::opener::explain", "\"%1\" reads as: %2."),
               {printable(folder_name), describe_schedule(plain, year_number(today)).words}) +
          "\n";
  }
  if (missed_days <= 0)
    out += fill(localized("mj::opener::explain", "On %1: %2."), {day, verdict});
  else if (missed_days == 1)
    out += fill(localized("mj::opener::explain", "On %1, after 1 missed day: %2."), {day, verdict});
  else
    out += fill(localized("mj::opener::explain", "On %1, after %2 missed days: %3."),
                {day, std::to_string(missed_days), verdict});
  out += "\n";
  if (e.test == due_test::on_day && e.verdict.kind == due_kind::not_due && e.name.catch_up &&
      missed_days == 0 && !is_passed_over_name(folder_name))
    out += localized("mj::opener::explain",
                     "With \"+\", days the opener missed before that day would count too.") +
           "\n";
  if (const auto lenient = lenient_reading_of(folder_name, year_number(today)))
    out += fill(localized("mj::opener::explain", "Note: %1"), {printable(lenient->words)}) + "\n";
  return out + problem_lines(e.failures);
}

std::string next_text(std::string_view folder_name, date today, date counted_from,
                      const opening_forecast& f) {
  const std::string stored_on = day_words(today);
  const std::string name = printable(folder_name);
  std::vector<date> single_days = f.openings;
  if (f.every_run_from) std::erase(single_days, *f.every_run_from);
  std::string out;
  if (counted_from > today)
    out = fill(localized("mj::opener::explain",
                         "The opener's run of %1 is over: the runs count from %2 on."),
               {stored_on, day_words(counted_from)}) +
          "\n";
  if (folder_name.empty() && f.every_run_from) {
    out += fill(localized("mj::opener::explain",
                          "A file stored on %1 in the capsule root itself would open at every run "
                          "from %2 on."),
                {stored_on, day_words(*f.every_run_from)});
  } else if (is_passed_over_name(folder_name)) {
    out +=
        fill(localized("mj::opener::explain", "A file stored in \"%1\" would never open."), {name});
  } else if (f.openings.empty()) {
    out += fill(localized("mj::opener::explain",
                          "A file stored on %1 in \"%2\" would not open within %3 years."),
                {stored_on, name, std::to_string(kForecastYears)});
  } else if (single_days.empty()) {
    out += fill(localized("mj::opener::explain",
                          "A file stored on %1 in \"%2\" would open at every run from %3 on."),
                {stored_on, name, day_words(*f.every_run_from)});
  } else {
    out += fill(localized("mj::opener::explain", "A file stored on %1 in \"%2\" would open on:"),
                {stored_on, name});
    for (date d : single_days) out += "\n  " + day_words(d);
    if (f.every_run_from)
      out += "\n" + fill(localized("mj::opener::explain", "and at every run from %1 on."),
                         {day_words(*f.every_run_from)});
  }
  out += "\n";
  return out + problem_lines(f.failures);
}

std::string next_json(std::string_view folder_name, date today, date counted_from,
                      const opening_forecast& f) {
  std::vector<std::string> openings;
  for (date d : f.openings) openings.push_back(json_date(d));
  return json_object()
      .name("name", folder_name)
      .day("today", today)
      .day("counted_from", counted_from)
      .raw("openings", json_array(openings))
      .raw("every_run_from", f.every_run_from ? json_date(*f.every_run_from) : "null")
      .raw("failures", json_failures(f.failures))
      .str();
}

namespace {

// {kind, suggestion} of a name read only leniently, else null. Neither
// depends on the year near which short years are read (only the words do).
std::string lenient_json(std::string_view folder_name) {
  const auto lenient = lenient_reading_of(folder_name, 2000);
  if (!lenient) return "null";
  return json_object()
      .text("kind", lenient_kind_key(lenient->kind))
      .name("suggestion", lenient->suggestion)
      .str();
}

}  // namespace

std::string explain_json(std::string_view folder_name, const folder_evaluation& e) {
  return json_object()
      .name("name", folder_name)
      .name("rule", e.name.rule)
      .number("week_of_month", e.name.week_of_month)
      .number("days", e.name.days)
      .number("window_days", e.name.window_days)
      .boolean("catch_up", e.name.catch_up)
      .boolean("stays_due", e.name.stays_due)
      .text("test", e.test == due_test::from_day_on ? "after" : "on_day")
      .text("due", due_kind_key(e.verdict.kind))
      .day("from", e.verdict.from)
      .day("to", e.verdict.to)
      .number("repeat_every", e.verdict.repeat_every)
      .raw("failures", json_failures(e.failures))
      .raw("lenient", lenient_json(folder_name))
      .str();
}

}  // namespace mj::opener
