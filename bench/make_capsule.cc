// SPDX-License-Identifier: MIT
// Writes a benchmark capsule: FOLDERS schedule folders of every name form,
// each with FILES message files whose times spread over thirty years.
//   make_capsule ROOT [FOLDERS] [FILES]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_capsule ROOT [FOLDERS] [FILES]\n");
    return 2;
  }
  const fs::path root = argv[1];
  const int folders = argc > 2 ? std::atoi(argv[2]) : 2000;
  const int files = argc > 3 ? std::atoi(argv[3]) : 50;
  std::mt19937 random(12345);
  const auto now = std::chrono::file_clock::now();
  const auto thirty_years = std::chrono::hours(24 * 365 * 30);
  std::set<std::string> taken;
  fs::create_directories(root);
  for (int i = 0; i < folders; ++i) {
    std::string name = folder_name(i, random);
    // Names must differ; a period keeps the form and tells them apart.
    for (int p = 1; taken.count(name); ++p) name = folder_name(i, random) + "=" + std::to_string(p);
    taken.insert(name);
    fs::create_directory(root / name);
    for (int f = 0; f < files; ++f) {
      const fs::path file = root / name / ("message " + std::to_string(f) + ".txt");
      std::ofstream(file) << "message " << f << " of " << name << "\n";
      const auto back =
          std::chrono::seconds(random() % static_cast<unsigned>(thirty_years.count() * 3600));
      fs::last_write_time(file, now - back);
    }
  }
  std::printf("%d folders x %d files in %s\n", folders, files, root.c_str());
  return 0;
}
