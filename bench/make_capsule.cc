// SPDX-License-Identifier: MIT
// Writes a benchmark capsule: FOLDERS schedule folders of every name form,
// each with FILES message files whose times spread over thirty years. With
// "random", the names are pieces of schedule names put together at random
// (keywords, numbers small and large, dashes, "E", markers with any number),
// so that every kind of verdict and of failure comes up; with "days", the
// folders are DAY1 ... DAY<FOLDERS>, their file times spread over the last
// 400 days, so that a dry run reads the time of every file.
//   make_capsule ROOT [FOLDERS] [FILES] [random | days]
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string folder_name(int i, std::mt19937& random) {
  const int n = static_cast<int>(random() % 28) + 1;
  const std::string number = std::to_string(n);
  const char* kWeekdays[] = {"SUNDAY",   "MONDAY", "TUESDAY", "WEDNESDAY",
                             "THURSDAY", "FRIDAY", "SATURDAY"};
  switch (i % 18) {
    case 0:
      return "TOMORROW";
    case 1:
      return "EVERYDAY" + number;
    case 2:
      return "EVERY WEEK " + number;
    case 3:
      return "EVERYMONTH" + number;
    case 4:
      return "Every Year";
    case 5:
      return "YEAR" + number;
    case 6:
      return "MONTH" + number + "=3";
    case 7:
      return "DAY" + number;
    case 8:
      return "WEEK" + number + "-";
    case 9:
      return std::string(kWeekdays[n % 7]) + "@" + std::to_string(n % 5 + 1);
    case 10:
      return std::to_string(1995 + n) + "-" + std::to_string(n % 12 + 1) + "-" + number;
    case 11:
      return std::to_string(n % 12 + 1) + "-" + number + "+";
    case 12:
      return "E" + std::to_string(n % 4);
    case 13:
      return number;
    case 14:
      return std::to_string(n % 12 + 1) + "-E" + std::to_string(n % 3);
    case 15:
      return std::to_string(2000 + n) + "-2-E";
    case 16:
      return number + "-";
    default:
      return "notes " + number;
  }
}

// A number for a random name: small ones meet the forms' own ranges, large
// ones the limits of the counters.
std::string random_number(std::mt19937& random) {
  switch (random() % 6) {
    case 0:
      return std::to_string(random() % 10);
    case 1:
      return std::to_string(random() % 32);
    case 2:
      return std::to_string(1900 + random() % 250);
    case 3:
      return std::to_string(random() % 400);
    case 4:
      return std::to_string(random() % 40000);
    default:
      return std::to_string(30000 + random() % 3000);
  }
}

std::string random_name(std::mt19937& random) {
  static const char* const kPieces[] = {
      "TOMORROW",   "EVERYYEAR", "EVERY YEAR", "EVERYMONTH", "EVERY MONTH", "EVERYWEEK",
      "EVERY WEEK", "EVERYDAY",  "EVERY DAY",  "YEAR",       "MONTH",       "WEEK",
      "DAY",        "SUNDAY",    "MONDAY",     "TUESDAY",    "WEDNESDAY",   "THURSDAY",
      "FRIDAY",     "SATURDAY",  "E",          "-",          "-E",          "notes",
      ".",          " "};
  std::string name;
  const int pieces = static_cast<int>(random() % 4) + 1;
  for (int i = 0; i < pieces; ++i)
    name += random() % 2 == 0 ? std::string(kPieces[random() % std::size(kPieces)])
                              : random_number(random);
  if (random() % 3 == 0) name += "@" + std::to_string(random() % 7);
  if (random() % 2 == 0) name += "=" + random_number(random);
  if (random() % 3 == 0) name += "+";
  if (random() % 4 == 0) name += "-";
  if (random() % 5 == 0)
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_capsule ROOT [FOLDERS] [FILES] [random | days]\n");
    return 2;
  }
  const fs::path root = argv[1];
  const int folders = argc > 2 ? std::atoi(argv[2]) : 2000;
  const int files = argc > 3 ? std::atoi(argv[3]) : 50;
  const std::string names = argc > 4 ? argv[4] : "";
  if (!names.empty() && names != "random" && names != "days") {
    std::fprintf(stderr, "make_capsule: names are \"random\" or \"days\", not \"%s\"\n",
                 names.c_str());
    return 2;
  }
  std::mt19937 random(12345);
  const auto now = std::chrono::file_clock::now();
  const auto spread = std::chrono::hours(24 * (names == "days" ? 400 : 365 * 30));
  std::set<std::string> taken;
  fs::create_directories(root);
  for (int i = 0; i < folders; ++i) {
    std::string name;
    if (names == "days") {
      name = "DAY" + std::to_string(i + 1);
    } else if (names == "random") {
      // Names must differ; trailing spaces tell them apart and keep the name.
      name = random_name(random);
      while (name == "." || name == ".." || taken.count(name)) name += ' ';
    } else {
      name = folder_name(i, random);
      // Names must differ; a period keeps the form and tells them apart.
      for (int p = 1; taken.count(name); ++p)
        name = folder_name(i, random) + "=" + std::to_string(p);
    }
    taken.insert(name);
    fs::create_directory(root / name);
    for (int f = 0; f < files; ++f) {
      const fs::path file = root / name / ("message " + std::to_string(f) + ".txt");
      std::ofstream(file) << "message " << f << " of " << name << "\n";
      const auto back =
          std::chrono::seconds(random() % static_cast<unsigned>(spread.count() * 3600));
      fs::last_write_time(file, now - back);
    }
  }
  std::printf("%d folders x %d files in %s\n", folders, files, root.c_str());
  return 0;
}
