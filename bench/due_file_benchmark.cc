// SPDX-License-Identifier: MIT
// Due kind 3 (the repeating folders): how long the selection takes for
// 100,000 files whose dates spread over the last 1, 10 or 100 years. The
// selection jumps to the first repetition that can reach the days, so the
// time per file must not grow with the age of the files.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "rules/due_files.h"

namespace {

using namespace std::chrono;

constexpr int kFiles = 100'000;

// File times spread evenly at random over the `years` before `today`.
std::vector<mj::wall_time> file_times(mj::date today, int years) {
  std::mt19937_64 random(static_cast<unsigned>(years));
  const long long span = years * 36524LL * 864LL;  // seconds in `years` years
  std::vector<mj::wall_time> times;
  times.reserve(kFiles);
  for (int i = 0; i < kFiles; ++i)
    times.push_back(mj::wall_time{today} - seconds{1 + static_cast<long long>(random() % span)});
  return times;
}

// Arguments: the repeat unit (0 days, 2 months, 3 years) and the age span in
// years. The folder is "EVERY <unit>=7": repetitions within the last 7 days.
void BM_RepeatingSelection(benchmark::State& state) {
  const auto unit = static_cast<mj::date_unit>(state.range(0));
  const mj::date today = sys_days{year{2026} / December / day{7}};
  const std::vector<mj::wall_time> times = file_times(today, static_cast<int>(state.range(1)));
  mj::due_verdict verdict;
  verdict.kind = mj::due_kind::repeating;
  verdict.repeat_every = 1;
  verdict.from = today - days{6};
  verdict.to = today;
  long long due = 0;
  for (auto _ : state) {
    due = 0;
    for (const mj::wall_time t : times) due += mj::file_is_due(verdict, unit, t, today);
    benchmark::DoNotOptimize(due);
  }
  state.SetItemsProcessed(state.iterations() * kFiles);
  state.counters["due_files"] = static_cast<double>(due);
}
BENCHMARK(BM_RepeatingSelection)
    ->ArgNames({"unit", "years"})
    ->ArgsProduct({{0, 2, 3}, {1, 10, 100}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
