// SPDX-License-Identifier: MIT
// A simulated year of logins. A capsule holds a folder of every form of the
// README's schedule-name table, with and without "=", "+", "@" and the final
// "-", and files with set modification times. The real
// `m_jar --dry-run --json --today D --prev P` runs for each day of 2028 on
// which the user logs in (a seeded third of the days and a holiday are
// skipped; P is the previous run day), and every run's queue is compared,
// folder by folder and file by file, with what the table says must open.
//
// The expectations below are written from the README's words, day by day,
// with <chrono> calendars; they share no code with the opener.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>
#include <time.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

using day = sys_days;

// The properties, in words to check against the schedule-name table.
const std::map<std::string, std::string> kProperties = {
    {"root", "A file lying directly in the capsule root opens at every run."},
    {"full date",
     "A full-date folder (2028-03-07, 28-03-07) without \"+\" opens, whole, at a run on its date, "
     "and only when that day is run; with \"=N\" at the runs on the N days from its date."},
    {"full date +",
     "A full-date folder with \"+\" opens, whole, at the first run on or after its date, and at no "
     "other run."},
    {"day forms",
     "A month-and-day, day-of-month, month-end, month-end-of-a-month or weekday folder opens, "
     "whole, at a run when one of the days the run covers is its day. A run covers its own day; "
     "with \"=N\" also the N-1 days before it; with \"+\" also every day since the previous run. "
     "\"@N\" keeps only the weekdays on days 7N-6 to 7N of their month."},
    {"tomorrow",
     "A TOMORROW file opens at a run on the day after its date; with \"=N\" at runs 1 to N days "
     "after its date; with \"+\" at the first run after its date."},
    {"repeating",
     "A file in EVERY MONTH opens at a run on each of its monthly repetitions: its date plus 1, 2, "
     "3... months, counted from its own date, the day number kept or the month's last day when "
     "the month is shorter (31 January: 29 February, 31 March, 30 April ...). EVERY YEAR, "
     "EVERYDAY2 and EVERY WEEK 3 repeat by years, 2 days and 3 weeks. With \"+\" it opens at the "
     "first run on or after each repetition; \"=N\" widens each repetition to N days."},
    {"age",
     "A YEAR1 file opens at every run from one year after its date (MONTH6: six months, WEEK2: "
     "two weeks, DAY10: ten days); YEAR1=7 takes only the files dated within the seven days "
     "ending one year before the run."},
    {"minus",
     "A folder whose name ends in \"-\" stays due from its day to the end of its cycle: a full "
     "date or a month end with a year for ever after; month-and-day and month-end of a month to "
     "31 December; day of month, month end and weekday@N to the month's end; a weekday without "
     "\"@\" never. TOMORROW- takes every file dated up to yesterday, YEAR1- and MONTH6- every "
     "file at least that old. \"=\" and \"+\" change nothing."},
};

// ---- Calendar, from the README's words --------------------------------------

day make_day(int y, unsigned m, unsigned d) {
  return day{std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d}};
}
year_month_day ymd(day d) { return year_month_day{d}; }
int year_of(day d) { return static_cast<int>(ymd(d).year()); }
unsigned month_of(day d) { return static_cast<unsigned>(ymd(d).month()); }
unsigned day_of(day d) { return static_cast<unsigned>(ymd(d).day()); }

std::string iso(day d) {
  char text[16];
  snprintf(text, sizeof text, "%04d-%02u-%02u", year_of(d), month_of(d), day_of(d));
  return text;
}

day last_of_month(int y, unsigned m) {
  return day{std::chrono::year{y} / std::chrono::month{m} / std::chrono::last};
}
day month_end(day d) { return last_of_month(year_of(d), month_of(d)); }

// `d` moved by `n` months, keeping the day number or falling back to the
// last day of a shorter month.
day add_months(day d, int n) {
  year_month_day x = ymd(d) + std::chrono::months{n};
  if (!x.ok()) x = x.year() / x.month() / std::chrono::last;
  return day{x};
}
day add_years(day d, int n) { return add_months(d, 12 * n); }

// Sunday = 0 ... Saturday = 6.
unsigned weekday_of(day d) { return std::chrono::weekday{d}.c_encoding(); }
unsigned week_of_month(day d) { return (day_of(d) - 1) / 7 + 1; }

// The n-th weekday `w` of the month of `d`; nothing when the month has fewer.
std::optional<day> nth_weekday(day d, unsigned w, unsigned n) {
  const std::chrono::year_month_weekday x{ymd(d).year(), ymd(d).month(),
                                          std::chrono::weekday{w}[n]};
  if (!x.ok()) return std::nullopt;
  return day{x};
}

// ---- Runs ----------------------------------------------------------------------

struct run_day {
  day today;
  day prev;  // the previous run day
  long long missed() const { return std::max<long long>(0, (today - prev).count() - 1); }
};

// The first day a run covers: its own day, the N-1 days before with "=N",
// and every day since the previous run with "+".
day first_covered(const run_day& r, int equals_n, bool plus) {
  return r.today - days{equals_n > 0 ? equals_n - 1 : 0} - days{plus ? r.missed() : 0};
}

// Whether the file dated `file_day` of a folder opens at run `r` (for a
// folder that opens whole, `file_day` does not matter).
using opens_rule = std::function<bool(const run_day& r, day file_day)>;
using day_test = std::function<bool(day d, day today)>;

opens_rule covered_day_is(int equals_n, bool plus, day_test test) {
  return [=](const run_day& r, day) {
    for (day d = first_covered(r, equals_n, plus); d <= r.today; d += days{1})
      if (test(d, r.today)) return true;
    return false;
  };
}

opens_rule on_date(day target, int equals_n = 0, bool plus = false) {
  return covered_day_is(equals_n, plus, [=](day d, day) { return d == target; });
}

opens_rule from_day(std::function<bool(day today)> due) {
  return [=](const run_day& r, day) { return due(r.today); };
}

// The file opens when one of its repetitions (its date plus k steps, k >= 1,
// each counted from the date itself) is a covered day.
opens_rule repetition_covered(std::function<day(day, int)> step, int every, int equals_n,
                              bool plus) {
  return [=](const run_day& r, day file_day) {
    const day first = first_covered(r, equals_n, plus);
    for (int k = 1;; ++k) {
      const day n = step(file_day, k * every);
      if (n > r.today) return false;
      if (n >= first) return true;
    }
  };
}

// ---- The capsule -------------------------------------------------------------

struct folder_case {
  std::string name;
  std::string property;
  std::vector<day> files;  // one file per date
  opens_rule opens;
};

// Every `step` days from `from` to `to`.
std::vector<day> dates_every(day from, day to, int step) {
  std::vector<day> out;
  for (day d = from; d <= to; d += days{step}) out.push_back(d);
  return out;
}

const std::vector<day> kTwoFiles = {make_day(2027, 5, 1), make_day(2028, 6, 1)};

std::vector<folder_case> full_date_folders(const std::set<day>& run_days) {
  auto first_from = [&](day d, bool run) {
    while (run_days.count(d) != run) d += days{1};
    return d;
  };
  const day skipped = first_from(make_day(2028, 3, 5), false);
  const day ran = first_from(make_day(2028, 3, 5), true);
  const day skipped_plus = first_from(make_day(2028, 4, 5), false);
  const day ran_plus = first_from(make_day(2028, 4, 20), true);
  const std::string yy_ran = iso(ran).substr(2);
  return {
      {iso(skipped), "full date", kTwoFiles, on_date(skipped)},
      {yy_ran, "full date", kTwoFiles, on_date(ran)},
      {"2028-05-20", "full date", kTwoFiles, on_date(make_day(2028, 5, 20))},
      {"2028-10-03=3", "full date", kTwoFiles, on_date(make_day(2028, 10, 3), 3)},
      {iso(skipped_plus) + "+", "full date +", kTwoFiles, on_date(skipped_plus, 0, true)},
      {iso(ran_plus) + "+", "full date +", kTwoFiles, on_date(ran_plus, 0, true)},
      {"28-07-14+", "full date +", kTwoFiles, on_date(make_day(2028, 7, 14), 0, true)},
      {"2028-09-05=2+", "full date +", kTwoFiles, on_date(make_day(2028, 9, 5), 2, true)},
  };
}

day_test month_day(unsigned m, unsigned dd) {
  return [=](day d, day) { return month_of(d) == m && day_of(d) == dd; };
}
day_test day_of_month(unsigned dd) {
  return [=](day d, day) { return day_of(d) == dd; };
}
// The c-th last day of its own month (E, E1: the last day).
day_test month_end_count(int c) {
  return [=](day d, day) { return d == month_end(d) - days{c > 1 ? c - 1 : 0}; };
}
// The c-th last day of month m of the run's year.
day_test month_end_of(unsigned m, int c) {
  return [=](day d, day today) {
    return d == last_of_month(year_of(today), m) - days{c > 1 ? c - 1 : 0};
  };
}
day_test weekday_in_week(unsigned w, unsigned week) {
  return [=](day d, day) { return weekday_of(d) == w && (week == 0 || week_of_month(d) == week); };
}

std::vector<folder_case> day_form_folders() {
  const std::string p = "day forms";
  return {
      {"12-25", p, kTwoFiles, covered_day_is(0, false, month_day(12, 25))},
      {"3-14+", p, kTwoFiles, covered_day_is(0, true, month_day(3, 14))},
      {"9-9=2", p, kTwoFiles, covered_day_is(2, false, month_day(9, 9))},
      {"2-29", p, kTwoFiles, covered_day_is(0, false, month_day(2, 29))},
      {"15", p, kTwoFiles, covered_day_is(0, false, day_of_month(15))},
      {"31", p, kTwoFiles, covered_day_is(0, false, day_of_month(31))},
      {"20+", p, kTwoFiles, covered_day_is(0, true, day_of_month(20))},
      {"10=3", p, kTwoFiles, covered_day_is(3, false, day_of_month(10))},
      {"5=2+", p, kTwoFiles, covered_day_is(2, true, day_of_month(5))},
      {"E", p, kTwoFiles, covered_day_is(0, false, month_end_count(1))},
      {"E3", p, kTwoFiles, covered_day_is(0, false, month_end_count(3))},
      {"E2+", p, kTwoFiles, covered_day_is(0, true, month_end_count(2))},
      {"2-E", p, kTwoFiles, covered_day_is(0, false, month_end_of(2, 1))},
      {"6-E+", p, kTwoFiles, covered_day_is(0, true, month_end_of(6, 1))},
      {"2028-4-E2", p, kTwoFiles, on_date(make_day(2028, 4, 29))},
      {"sunday", p, kTwoFiles, covered_day_is(0, false, weekday_in_week(0, 0))},
      {"WEDNESDAY@2", p, kTwoFiles, covered_day_is(0, false, weekday_in_week(3, 2))},
      {"FRIDAY+", p, kTwoFiles, covered_day_is(0, true, weekday_in_week(5, 0))},
      {"MONDAY@3+", p, kTwoFiles, covered_day_is(0, true, weekday_in_week(1, 3))},
      {"SATURDAY=2", p, kTwoFiles, covered_day_is(2, false, weekday_in_week(6, 0))},
      {"SUNDAY@5", p, kTwoFiles, covered_day_is(0, false, weekday_in_week(0, 5))},
      {"TUESDAY@2=3+", p, kTwoFiles, covered_day_is(3, true, weekday_in_week(2, 2))},
  };
}

std::vector<folder_case> file_form_folders() {
  // Dated every few days from before the year to its end, so that each date
  // meets run days and skipped days alike.
  const std::vector<day> around = dates_every(make_day(2027, 12, 20), make_day(2028, 12, 31), 4);
  const std::vector<day> ages = dates_every(make_day(2026, 12, 1), make_day(2028, 12, 31), 5);
  const std::vector<day> repeats = {
      make_day(2027, 10, 31), make_day(2028, 1, 31), make_day(2028, 1, 30), make_day(2027, 12, 15),
      make_day(2028, 2, 29),  make_day(2028, 8, 31), make_day(2024, 2, 29), make_day(2027, 3, 1),
      make_day(2026, 5, 31),  make_day(2028, 6, 10), make_day(2028, 12, 30)};
  auto tomorrow = [](int from, int to) {
    return [=](const run_day& r, day f) {
      return f >= r.today - days{to} && f <= r.today - days{from};
    };
  };
  auto tomorrow_plus = [](const run_day& r, day f) { return f >= r.prev && f < r.today; };
  auto by_days = [](day d, int n) { return d + days{n}; };
  auto by_weeks = [](day d, int n) { return d + days{7 * n}; };
  auto cutoff = [](std::function<day(day)> back) {
    return [=](const run_day& r, day f) { return f <= back(r.today); };
  };
  auto year_back = [](day t) { return add_years(t, -1); };
  auto month6_back = [](day t) { return add_months(t, -6); };
  return {
      {"TOMORROW", "tomorrow", around, tomorrow(1, 1)},
      {"TOMORROW=3", "tomorrow", around, tomorrow(1, 3)},
      {"TOMORROW+", "tomorrow", around, tomorrow_plus},
      {"EVERY MONTH", "repeating", repeats, repetition_covered(add_months, 1, 0, false)},
      {"EVERY MONTH+", "repeating", repeats, repetition_covered(add_months, 1, 0, true)},
      {"EVERYMONTH=2", "repeating", repeats, repetition_covered(add_months, 1, 2, false)},
      {"EVERY YEAR", "repeating", repeats, repetition_covered(add_years, 1, 0, false)},
      {"EVERYDAY2", "repeating", repeats, repetition_covered(by_days, 2, 0, false)},
      {"EVERY WEEK 3+", "repeating", repeats, repetition_covered(by_weeks, 3, 0, true)},
      {"YEAR1", "age", ages, cutoff(year_back)},
      {"MONTH6", "age", ages, cutoff(month6_back)},
      {"WEEK2", "age", ages, cutoff([](day t) { return t - days{14}; })},
      {"DAY10", "age", ages, cutoff([](day t) { return t - days{10}; })},
      {"YEAR1=7", "age", ages,
       [=](const run_day& r, day f) {
         return f <= year_back(r.today) && f >= year_back(r.today) - days{6};
       }},
  };
}

std::vector<folder_case> minus_folders() {
  const std::vector<day> around = dates_every(make_day(2027, 12, 20), make_day(2028, 12, 31), 4);
  const std::vector<day> ages = dates_every(make_day(2026, 12, 1), make_day(2028, 12, 31), 5);
  const std::string p = "minus";
  auto this_year = [](day today, unsigned m, unsigned d) { return make_day(year_of(today), m, d); };
  auto weekday_from = [](unsigned w, unsigned n) {
    return [=](day t) {
      const std::optional<day> target = nth_weekday(t, w, n);
      return target && *target <= t;
    };
  };
  return {
      {"2028-06-15-", p, kTwoFiles, from_day([](day t) { return t >= make_day(2028, 6, 15); })},
      {"2027-11-30-", p, kTwoFiles, from_day([](day t) { return t >= make_day(2027, 11, 30); })},
      {"2028-5-E-", p, kTwoFiles, from_day([](day t) { return t >= make_day(2028, 5, 31); })},
      {"12-25-", p, kTwoFiles, from_day([=](day t) { return t >= this_year(t, 12, 25); })},
      {"10-20-", p, kTwoFiles, from_day([=](day t) { return t >= this_year(t, 10, 20); })},
      {"9-E3-", p, kTwoFiles, from_day([=](day t) { return t >= this_year(t, 9, 28); })},
      {"25-", p, kTwoFiles, from_day([](day t) { return day_of(t) >= 25; })},
      {"15=3+-", p, kTwoFiles, from_day([](day t) { return day_of(t) >= 15; })},
      {"E-", p, kTwoFiles, from_day([](day t) { return t == month_end(t); })},
      {"E3-", p, kTwoFiles, from_day([](day t) { return t >= month_end(t) - days{2}; })},
      {"SUNDAY@2-", p, kTwoFiles, from_day(weekday_from(0, 2))},
      {"Sunday@2=3+-", p, kTwoFiles, from_day(weekday_from(0, 2))},
      {"friday@5-", p, kTwoFiles, from_day(weekday_from(5, 5))},
      {"THURSDAY-", p, kTwoFiles, from_day([](day) { return false; })},
      {"TOMORROW-", p, around, [](const run_day& r, day f) { return f < r.today; }},
      {"YEAR1-", p, ages, [](const run_day& r, day f) { return f <= add_years(r.today, -1); }},
      {"MONTH6=3-", p, ages, [](const run_day& r, day f) { return f <= add_months(r.today, -6); }},
  };
}

// ---- Building the capsule and running m_jar --------------------------------------

// Noon local time on `d`, as the file's modification time.
void set_file_day(const fs::path& file, day d) {
  struct tm local {};
  local.tm_year = year_of(d) - 1900;
  local.tm_mon = static_cast<int>(month_of(d)) - 1;
  local.tm_mday = static_cast<int>(day_of(d));
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const struct timespec times[2] = {{mktime(&local), 0}, {mktime(&local), 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), times, 0), 0) << file;
}

void write_capsule(const fs::path& root, const std::vector<folder_case>& folders) {
  fs::create_directories(root);
  std::ofstream(root / "root note.txt") << "opens at every run\n";
  for (const folder_case& f : folders) {
    fs::create_directories(root / f.name);
    for (day d : f.files) {
      const fs::path file = root / f.name / (iso(d) + ".txt");
      std::ofstream(file) << f.name << " " << iso(d) << "\n";
      set_file_day(file, d);
    }
  }
}

// The days of 2028 on which the user logs in: seeded, so every run of the
// test sees the same year. About a third of the days are skipped at random,
// and a holiday of nine days in June or July.
constexpr unsigned kSeed = 2029;

std::set<day> login_days(unsigned seed) {
  std::mt19937 random(seed);
  const day first = make_day(2028, 1, 1);
  const day holiday = make_day(2028, 6, 1) + days{random() % 50};
  std::set<day> out;
  for (day d = first; d <= make_day(2028, 12, 31); d += days{1}) {
    const bool skipped = random() % 3 == 0 || (d >= holiday && d < holiday + days{9});
    if (!skipped) out.insert(d);
  }
  return out;
}

std::string shell_quote(const std::string& s) { return "'" + s + "'"; }

// The queue of one dry run: folder name -> the file names queued from it.
struct dry_run_result {
  std::map<std::string, std::multiset<std::string>> queued;
  int failures = 0;
  std::string error;
};

dry_run_result run_m_jar(const std::string& m_jar, const fs::path& root, const run_day& r) {
  dry_run_result result;
  const std::string command = shell_quote(m_jar) + " --dry-run --json --today " + iso(r.today) +
                              " --prev " + iso(r.prev) + " " + shell_quote(root.string());
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {{}, 0, "cannot start " + command};
  std::string out;
  char buffer[65536];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  if (pclose(pipe) != 0) result.error = "exit status not 0: " + command;
  const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
  if (json.isEmpty()) result.error = "no JSON from " + command;
  for (const QJsonValue entry : json["queue"].toArray()) {
    const std::string path = entry["path"].toString().toStdString();
    result.queued[entry["folder"].toString().toStdString()].insert(
        fs::path(path).filename().string());
  }
  result.failures = static_cast<int>(json["failures"].toArray().size());
  return result;
}

// ---- Checking -------------------------------------------------------------------

struct tally {
  int checks = 0;  // (run, folder) pairs compared
  int opened = 0;  // files expected to open
  int kept = 0;    // files expected to stay shut
  std::vector<std::string> faults;
};

void check_folder(const folder_case& f, const run_day& r, const std::multiset<std::string>& got,
                  tally& t) {
  std::multiset<std::string> want;
  for (day d : f.files)
    if (f.opens(r, d)) want.insert(iso(d) + ".txt");
  ++t.checks;
  t.opened += static_cast<int>(want.size());
  t.kept += static_cast<int>(f.files.size() - want.size());
  if (got == want) return;
  std::string text = iso(r.today) + " (previous run " + iso(r.prev) + ") \"" + f.name + "\":";
  for (const std::string& g : got)
    if (!want.count(g) || got.count(g) > 1) text += " opened " + g;
  for (const std::string& w : want)
    if (!got.count(w)) text += " missed " + w;
  t.faults.push_back(text);
}

// Compares one run's queue with every folder's expectation.
void check_run(const std::vector<folder_case>& folders, const run_day& r,
               const dry_run_result& result, std::map<std::string, tally>& tallies) {
  EXPECT_EQ(result.failures, 0) << "failures reported on " << iso(r.today);
  tally& root = tallies["root"];
  ++root.checks;
  ++root.opened;
  if (result.queued.count("") == 0 || result.queued.at("").count("root note.txt") != 1)
    root.faults.push_back(iso(r.today) + ": the capsule root's file did not open once");
  std::set<std::string> known{""};
  for (const folder_case& f : folders) {
    known.insert(f.name);
    const auto got = result.queued.find(f.name);
    check_folder(f, r, got == result.queued.end() ? std::multiset<std::string>{} : got->second,
                 tallies[f.property]);
  }
  for (const auto& [name, files] : result.queued)
    EXPECT_TRUE(known.count(name)) << "unknown folder \"" << name << "\" on " << iso(r.today);
}

// One line per property; a failure per broken run (the first 15), in the
// property's words.
void report(const std::map<std::string, tally>& tallies) {
  for (const auto& [key, words] : kProperties) {
    const auto found = tallies.find(key);
    const tally t = found == tallies.end() ? tally{} : found->second;
    printf("%-12s %5d checks, %6d files opened, %6d kept shut, %3zu faults\n", key.c_str(),
           t.checks, t.opened, t.kept, t.faults.size());
    // Each property is tested both ways: some files must open, some not
    // (the capsule root's file opens at every run).
    EXPECT_GT(t.opened, 0) << key;
    if (key != "root") {
      EXPECT_GT(t.kept, 0) << key;
    }
    for (size_t i = 0; i < t.faults.size() && i < 15; ++i)
      ADD_FAILURE() << words << "\n  broken on " << t.faults[i];
  }
}

std::vector<folder_case> all_folders(const std::set<day>& runs) {
  std::vector<folder_case> folders = full_date_folders(runs);
  for (auto more : {day_form_folders(), file_form_folders(), minus_folders()})
    folders.insert(folders.end(), more.begin(), more.end());
  return folders;
}

class simulated_year : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* m_jar = std::getenv("M_JAR");
    ASSERT_NE(m_jar, nullptr) << "set M_JAR to the m_jar program";
    m_jar_ = m_jar;
    ASSERT_FALSE(work_.empty());
    setenv("XDG_CONFIG_HOME", (work_ / "config").c_str(), 1);
  }
  std::string m_jar_;
  mj::testing::temp_folder folder_{"morrowjar-year"};
  fs::path work_ = folder_.path();
};

TEST_F(simulated_year, every_run_opens_what_the_schedule_names_say) {
  const std::set<day> runs = login_days(kSeed);
  const std::vector<folder_case> folders = all_folders(runs);
  const fs::path root = work_ / "capsule";
  write_capsule(root, folders);
  ASSERT_FALSE(HasFatalFailure());

  std::map<std::string, tally> tallies;
  day prev = make_day(2027, 12, 31);
  for (day today : runs) {
    const run_day r{today, prev};
    prev = today;
    const dry_run_result result = run_m_jar(m_jar_, root, r);
    ASSERT_TRUE(result.error.empty()) << result.error;
    check_run(folders, r, result, tallies);
  }
  printf("%zu runs in 2028 (%zu days skipped), %zu schedule folders\n", runs.size(),
         366 - runs.size(), folders.size());
  report(tallies);

  // The month-end fall-back is met both ways: the repetitions of 31 January
  // on 29 February, 30 April, 30 June, 30 September and 30 November.
  size_t fall_back_runs = 0;
  for (unsigned m : {2u, 4u, 6u, 9u, 11u}) fall_back_runs += runs.count(last_of_month(2028, m));
  EXPECT_GT(fall_back_runs, 0u);
  EXPECT_LT(fall_back_runs, 5u);
}

}  // namespace
