// SPDX-License-Identifier: MIT
// How many schedule folder names the rules judge per second, over a mix of
// every form, with windows of up to 400 days.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "rules/due_tests.h"

namespace {

std::vector<std::string> mixed_names() {
  const char* const kForms[] = {
      "TOMORROW", "EVERY MONTH", "EVERYDAY2", "EVERY WEEK", "YEAR1",      "MONTH3",
      "WEEK2",    "DAY10",       "SUNDAY",    "FRIDAY@2",   "1998-12-25", "2026-2-E2",
      "12-25",    "2-E",         "E3",        "15",         "NOTES",      "MAIL",
  };
  const char* const kMarkers[] = {"", "=7", "=30+", "=400", "@3=90", "+-", "-", "=200+"};
  std::vector<std::string> names;
  for (const char* form : kForms)
    for (const char* marker : kMarkers) names.push_back(std::string(form) + marker);
  return names;
}

void BM_EvaluateFolderNames(benchmark::State& state) {
  const std::vector<std::string> names = mixed_names();
  const mj::run_calendar calendar = mj::make_run_calendar(*mj::parse_iso_date("2026-12-07"));
  const long long missed_days = state.range(0);
  for (auto _ : state) {
    for (const std::string& name : names) {
      mj::folder_evaluation e = mj::evaluate_folder(name, missed_days, calendar);
      benchmark::DoNotOptimize(e.verdict.kind);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(names.size()));
}
BENCHMARK(BM_EvaluateFolderNames)->Arg(0)->Arg(100);

// The slowest legal name: a window of 32,767 days.
void BM_LongestWindow(benchmark::State& state) {
  const mj::run_calendar calendar = mj::make_run_calendar(*mj::parse_iso_date("2026-12-07"));
  for (auto _ : state) {
    mj::folder_evaluation e = mj::evaluate_folder("E3=32767", 0, calendar);
    benchmark::DoNotOptimize(e.verdict.kind);
  }
}
BENCHMARK(BM_LongestWindow);

}  // namespace

BENCHMARK_MAIN();
