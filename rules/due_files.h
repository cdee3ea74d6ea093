// SPDX-License-Identifier: MIT
// Which files of a due folder open at a run: a file's last-modified time
// against the folder's due kind and day range.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "base/date.h"
#include "rules/calendar.h"
#include "rules/due_tests.h"

namespace mj {

// Repetition `steps` units after `t` (months and years fall back to the last
// day of a shorter month), with the time of day of `t`; nullopt when it leaves
// the years 100..9999, where no repetition can fall due.
std::optional<wall_time> repetition_of(wall_time t, date_unit unit, long long steps);

// due_kind::repeating: whether one of the repetitions of `t` (every `every` units,
// counted from `t`, the first one `every` units after it) falls within the
// days `from`..`to`, looking no further than the first repetition after
// `today` 00:00 that misses the days. Jumps straight to the first repetition
// that can reach `from` instead of stepping through the earlier ones.
// An `every` below 1 never repeats.
bool repetition_falls_within(wall_time t, date_unit unit, int16_t every, date from, date to,
                             date today);

// The first repetition of `t` (every `every` units, the first one `every`
// units after it) at or after the start of the day `from`; nullopt when
// `every` is below 1 or the repetitions leave the years 100..9999 before.
std::optional<wall_time> first_repetition_from(wall_time t, date_unit unit, int16_t every,
                                               date from);

// The days of the repetitions of `t` (every `every` units, the first one
// `every` units after it) that fall within the days `from`..`to`, ascending,
// appended to `out`: the days on which repetition_falls_within finds one
// for a run whose `today` is not before `from`. None when `every` is below 1
// or the first repetition leaves the years 100..9999. Days and weeks are
// stepped by day arithmetic; months and years fall back as repetition_of.
void repetition_days_within(wall_time t, date_unit unit, int16_t every, date from, date to,
                            std::vector<date>& out);

// Whether a file last modified at `t` opens for a folder with `verdict`.
// `repeat_unit` is the unit of the folder's repeating keyword (due_kind::repeating).
bool file_is_due(const due_verdict& verdict, std::optional<date_unit> repeat_unit, wall_time t,
                 date today);

}  // namespace mj
