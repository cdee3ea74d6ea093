// SPDX-License-Identifier: MIT
// The writer's live reading of a schedule name: reading the name and finding
// the next days on which a message stored now would open, as it is redone at
// every key press in the schedule box. One benchmark per name: the names of
// the README, the rules benchmark's mix of forms and markers, the proposed
// choices, and names that never open.
#include <benchmark/benchmark.h>

#include <QString>
#include <string>
#include <vector>

#include "writer/schedule_guide.h"

namespace {

std::vector<std::string> names_to_read() {
  std::vector<std::string> names = {
      // The README's examples.
      "1998-12-25", "98-12-25", "12-25", "15", "E", "E1", "E3", "2-E", "1999-2-E2", "SUNDAY",
      "SUNDAY@2", "TOMORROW", "EVERY MONTH", "EVERYDAY2", "EVERY YEAR", "EVERY WEEK 3", "YEAR1",
      "MONTH6", "WEEK2", "DAY10", "SUNDAY@2=3+-", "1998-12-25=3", "TOMORROW=3", "YEAR1=7", "12-25+",
      "12-25-", "15-", "98-12-25-", "SUNDAY@2-", "YEAR1-", "30-1-15",
      // The proposed choices.
      "26-12-", "YEAR", "MONTH", "DAY", "WEEK", "MONDAY", "WEDNESDAY", "SATURDAY", "EVERYDAY",
      "EVERY WEEK", "MONDAY+", "TOMORROW+", "EVERY WEEK+", "EVERY MONTH+", "EVERY YEAR+",
      // Names read only leniently, with their warnings.
      "next week", "yesterday", "NEXT MONDAY", "1 jan 2027", "01.01.2027", "MONDAY MORNING",
      // Names that never open, and the widest windows.
      "FOO", "TOMORROW\\", "2026-12-01", "98-2-30", "32768", "SUNDAY@6", "9999-12-31", "E=0",
      "E3=32767", "15=32767", "12-25=32767", "SUNDAY@2=32767", "ZZZ=32767+", "",
      "a fairly long text typed into the schedule box by mistake"};
  // The rules benchmark's mix: every form with every marker.
  const char* const kForms[] = {
      "TOMORROW", "EVERY MONTH", "EVERYDAY2", "EVERY WEEK", "YEAR1",      "MONTH3",
      "WEEK2",    "DAY10",       "SUNDAY",    "FRIDAY@2",   "1998-12-25", "2026-2-E2",
      "12-25",    "2-E",         "E3",        "15",         "NOTES",      "MAIL",
  };
  const char* const kMarkers[] = {"", "=7", "=30+", "=400", "@3=90", "+-", "-", "=200+"};
  for (const char* form : kForms)
    for (const char* marker : kMarkers) names.push_back(std::string(form) + marker);
  return names;
}

// A benchmark name without spaces, so that reports split into columns.
std::string label(std::string name) {
  if (name.empty()) return "BM_Reading/(capsule-root)";
  for (char& c : name)
    if (c == ' ' || c == ',') c = '_';
  return "BM_Reading/" + name;
}

const mj::wall_time kNow =
    mj::wall_time{mj::date{std::chrono::year{2026} / std::chrono::December / 7}} +
    std::chrono::hours{14};

}  // namespace

int main(int argc, char** argv) {
  for (const std::string& name : names_to_read()) {
    const QString text = QString::fromStdString(name);
    benchmark::RegisterBenchmark(label(name).c_str(),
                                 [text](benchmark::State& state) {
                                   for (auto _ : state) {
                                     mj::writer::schedule_reading r =
                                         mj::writer::read_schedule(text, kNow);
                                     benchmark::DoNotOptimize(r.words.data());
                                   }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->MinTime(0.05);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
