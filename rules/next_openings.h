// SPDX-License-Identifier: MIT
// When a file stored now would come back: the days on which daily runs of
// the opener (one run each day, none missed) would open it. The opener's
// `m_jar --next` and the writer's reading of a schedule name both ask here,
// with the same due tests and due-file rule as a real run.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/date.h"
#include "base/failure.h"

namespace mj {

inline constexpr int kForecastYears = 100;

struct opening_forecast {
  // The first days, from the day of storing on, on which the file opens; when
  // `every_run_from` is set, only those before it and that day itself.
  std::vector<date> openings;
  // The first day from which the file opens at every run up to the end of
  // the forecast (age names, "EVERYDAY", the capsule root itself).
  std::optional<date> every_run_from;
  std::vector<failure> failures;  // of the name, as the first day's evaluation met them
};

// The first day that still has a run of the opener ahead: `today`, unless
// the opener's record says the run of today (or a later day) already
// finished, in which case tomorrow.
date first_day_with_a_run(date today, std::optional<date> served_through);

// The forecast for a file stored at `stored_at` in the schedule folder
// `folder_name` (an empty name is the capsule root, whose files open at every
// run): at most `count` openings, looking `kForecastYears` years ahead, with
// daily runs from `first_run` on (the day of `stored_at` when not given; a
// later day when that day's run is over).
opening_forecast forecast_openings(std::string_view folder_name, wall_time stored_at, int count,
                                   std::optional<date> first_run = std::nullopt);

// Whether daily runs from the day of `now` to the end of the forecast
// (`kForecastYears` years) would open any file of the schedule folder
// `folder_name`: one last modified at one of `file_times` (in ascending
// order), or one stored from `now` on. Decided from the due tests of a few
// days chosen by the kind of verdict the name gives, not of every day.
bool opens_within_forecast(std::string_view folder_name, std::span<const wall_time> file_times,
                           wall_time now);

}  // namespace mj
