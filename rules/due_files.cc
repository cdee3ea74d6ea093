// SPDX-License-Identifier: MIT
#include "rules/due_files.h"

#include <algorithm>

#include "rules/failure_error.h"

namespace mj {

namespace {

using namespace std::chrono;

constexpr date kFirstSupportedDay = year{100} / January / 1;
constexpr date kLastSupportedDay = year{9999} / December / 31;

wall_time start_of(date d) { return wall_time{d}; }
wall_time end_of(date d) { return wall_time{d + days{1}}; }

long long month_index(date d) {
  const year_month_day ymd{d};
  return static_cast<int>(ymd.year()) * 12LL + static_cast<unsigned>(ymd.month()) - 1;
}

long long ceil_div(long long a, long long b) { return a > 0 ? (a + b - 1) / b : 0; }

// The smallest repetition number k >= 1 (counting steps of `every` units)
// whose repetition can be at or after `from` 00:00.
long long first_reaching(wall_time t, date_unit unit, long long every, date from) {
  const date t_day = floor<days>(t);
  long long k = 1;
  if (unit == date_unit::days || unit == date_unit::weeks) {
    const long long step = every * (unit == date_unit::weeks ? 7 : 1) * 86400LL;
    k = ceil_div((start_of(from) - t).count(), step);
  } else {
    const long long step = every * (unit == date_unit::years ? 12 : 1);
    // Repetition k lies in month index(t) + k * step; only in the month of
    // `from` itself can it still fall before `from`.
    k = ceil_div(month_index(from) - month_index(t_day), step);
    if (k >= 1) {
      const auto n = repetition_of(t, unit, k * every);
      if (n && *n < start_of(from)) ++k;
    }
  }
  return k < 1 ? 1 : k;
}

}  // namespace

std::optional<wall_time> repetition_of(wall_time t, date_unit unit, long long steps) {
  const date t_day = floor<days>(t);
  try {
    return add_to_date(t_day, unit, steps) + (t - t_day);
  } catch (const failure_error&) {
    return std::nullopt;
  }
}

bool repetition_falls_within(wall_time t, date_unit unit, int16_t every, date from, date to,
                             date today) {
  if (every < 1) return false;
  // The repetitions only grow. Those before number k miss the days (they lie
  // before `from`); the search ends at one of them when it is past `today`.
  // From number k on, only k itself can still lie before the end of `to`.
  if (!repetition_of(t, unit, every)) return false;
  const long long k = first_reaching(t, unit, every, from);
  const auto reaching = repetition_of(t, unit, k * every);
  if (!reaching || *reaching >= end_of(to)) return false;
  if (k == 1) return true;
  const auto before = repetition_of(t, unit, (k - 1) * every);
  return before && *before <= start_of(today);
}

std::optional<wall_time> first_repetition_from(wall_time t, date_unit unit, int16_t every,
                                               date from) {
  if (every < 1) return std::nullopt;
  return repetition_of(t, unit, first_reaching(t, unit, every, from) * every);
}

void repetition_days_within(wall_time t, date_unit unit, int16_t every, date from, date to,
                            std::vector<date>& out) {
  if (every < 1 || from > to || !repetition_of(t, unit, every)) return;
  const long long first = first_reaching(t, unit, every, from);
  if (unit == date_unit::days || unit == date_unit::weeks) {
    // The time of day stays, so each repetition's day is the file's day
    // moved by whole steps, as long as it lies within the supported years.
    const date low = std::max(from, kFirstSupportedDay);
    const date high = std::min(to, kLastSupportedDay);
    const days step{every * (unit == date_unit::weeks ? 7LL : 1LL)};
    for (date d = floor<days>(t) + step * first; d <= high; d += step)
      if (d >= low) out.push_back(d);
    return;
  }
  for (long long k = first;; ++k) {
    const std::optional<wall_time> r = repetition_of(t, unit, k * every);
    if (!r || floor<days>(*r) > to) return;
    if (floor<days>(*r) >= from) out.push_back(floor<days>(*r));
  }
}

bool file_is_due(const due_verdict& verdict, std::optional<date_unit> repeat_unit, wall_time t,
                 date today) {
  switch (verdict.kind) {
    case due_kind::not_due:
      return false;
    case due_kind::all_files:
      return true;
    case due_kind::files_up_to:
      return t < end_of(verdict.from);
    case due_kind::files_within:
      return t >= start_of(verdict.from) && t < end_of(verdict.to);
    case due_kind::repeating:
      return repeat_unit && repetition_falls_within(t, *repeat_unit, verdict.repeat_every,
                                                    verdict.from, verdict.to, today);
  }
  return false;
}

}  // namespace mj
