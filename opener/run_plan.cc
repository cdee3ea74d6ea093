#include "opener/run_plan.h"

#include <cstdint>
#include <limits>

#include "rules/numbers.h"

namespace mj {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

run_start start_run(std::string_view prev_date_text, date today, const failure_sink& report) {
  date last_run = today;
  if (!prev_date_text.empty()) {
    const result<date> stored = date_from_text(prev_date_text, year_number(today));
    if (stored.ok())
      last_run = *stored;
    else
      report(stored.error());
  }
  return run_start{make_run_calendar(today), missed_days_between(last_run, today)};
}

std::string format_prev_date(date d) {
  std::string text = format_iso_date(d);
  for (char& c : text)
    if (c == '-') c = '/';
  return text;
}

classic_command_line split_command_line(std::string_view text, const failure_sink& report) {
  classic_command_line result;
  size_t digits = 0;
  while (digits < text.size() && is_digit(text[digits])) ++digits;
  if (digits > 0) {
    constexpr long long kMaxMilliseconds = std::numeric_limits<int32_t>::max();
    long long milliseconds = 0;
    for (size_t i = 0; i < digits && milliseconds <= kMaxMilliseconds; ++i)
      milliseconds = milliseconds * 10 + (text[i] - '0') * 1000LL;
    if (milliseconds <= kMaxMilliseconds) {
      result.interval_ms = static_cast<int>(milliseconds);
    } else {
      report(
          make_failure(failure_code::overflow,
                       "a start-up delay of " + std::string(text.substr(0, digits)) + " seconds"));
    }
  }
  result.location = std::string(platform::trim_blanks(text.substr(digits)));
  return result;
}

run_plan plan_run(std::string_view location_text, const run_start& start,
                  const failure_sink& report) {
  run_plan plan;
  plan.root = platform::resolve_capsule_root(location_text);
  const std::filesystem::path root = plan.root.full_path();
  plan.scan = scan_capsule(root, start.missed_days, start.calendar, report);
  plan.selection = select_due_files(root, plan.scan, start.calendar.today, report);
  return plan;
}

prepared_run prepare_run(const run_inputs& inputs, const failure_sink& report) {
  prepared_run run;
  const run_start start = start_run(inputs.prev_date_text, inputs.today, report);
  const classic_command_line command_line = split_command_line(inputs.command_line, report);
  if (command_line.interval_ms) run.interval_ms = *command_line.interval_ms;
  run.plan = plan_run(command_line.location, start, report);
  run.prev_date = format_prev_date(inputs.today);
  return run;
}

opening_queue::opening_queue(const std::vector<queue_entry>& entries) {
  paths_.reserve(entries.size());
  for (const queue_entry& e : entries) paths_.push_back(e.path);
}

std::optional<std::string> opening_queue::tick() {
  if (next_ >= paths_.size()) return std::nullopt;
  return paths_[next_++];
}

}  // namespace mj
