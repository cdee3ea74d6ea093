#include "opener/start_up.h"

#include <cstdio>

#include "rules/date_text.h"

namespace mj {

run_start start_run(std::string_view prev_date_text, date today, const failure_sink& report) {
  date last_run = today;
  if (!prev_date_text.empty()) {
    run_step(report, [&] { last_run = date_from_text(prev_date_text, year_number(today)); });
  }
  return run_start{make_run_calendar(today), missed_days_between(last_run, today)};
}

std::string format_prev_date(date d) {
  std::string text = format_iso_date(d);
  for (char& c : text)
    if (c == '-') c = '/';
  return text;
}

}  // namespace mj
