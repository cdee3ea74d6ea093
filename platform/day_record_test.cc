// SPDX-License-Identifier: MIT
#include "platform/day_record.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLockFile>
#include <QSysInfo>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/run_lock.h"

namespace mj::platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

constexpr date day(int y, unsigned m, unsigned d) { return date{year{y} / month{m} / d}; }

// Qt reads $XDG_CONFIG_HOME once, before the first QSettings: one temporary
// configuration folder, and a home of its own, for the whole program.
class DayRecord : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string pattern = (fs::temp_directory_path() / "mj_record_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    base_ = pattern;
    fs::create_directories(base_ / "config");
    fs::create_directories(base_ / "home/Morrowjar");
    fs::create_directories(base_ / "runtime");
    setenv("XDG_CONFIG_HOME", (base_ / "config").c_str(), 1);
    setenv("HOME", (base_ / "home").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (base_ / "runtime").c_str(), 1);
  }
  static void TearDownTestSuite() { fs::remove_all(base_); }
  void SetUp() override { fs::remove_all(settings_file()); }

  static fs::path settings_file() { return base_ / "config/M_Jar.conf"; }
  static void write_settings(const std::string& text) { std::ofstream(settings_file()) << text; }
  static std::string settings_text() {
    std::ifstream file(settings_file());
    return std::string((std::istreambuf_iterator<char>(file)), {});
  }
  static std::string default_root() {
    return canonical_root_path((base_ / "home/Morrowjar").string());
  }

  static fs::path base_;
};

fs::path DayRecord::base_;

TEST_F(DayRecord, TheDefaultRootKeepsTheSectionEarlierVersionsWrote) {
  write_settings("[date]\nprev_date=2026/12/05\n");
  const auto record = read_day_record(default_root());
  ASSERT_TRUE(record.ok()) << record.error().description;
  EXPECT_EQ(record->served_through, day(2026, 12, 5));

  EXPECT_TRUE(record_run_started(default_root(), day(2026, 12, 7)).ok());
  EXPECT_EQ(read_day_record(default_root())->unfinished, std::vector<date>{day(2026, 12, 7)});
  EXPECT_TRUE(record_day_served(default_root(), day(2026, 12, 7)).ok());
  const auto served = read_day_record(default_root());
  EXPECT_EQ(served->served_through, day(2026, 12, 7));
  EXPECT_TRUE(served->unfinished.empty());
  EXPECT_NE(settings_text().find("prev_date=2026/12/07"), std::string::npos) << settings_text();
}

TEST_F(DayRecord, EachRootKeepsItsOwnDaysWhateverItsSpelling) {
  fs::create_directories(base_ / "capsA");
  fs::create_directories(base_ / "capsB");
  fs::create_directory_symlink(base_ / "capsA", base_ / "aliasA");
  const std::string a = canonical_root_path((base_ / "capsA/").string());
  const std::string b = canonical_root_path((base_ / "capsB").string());
  EXPECT_EQ(canonical_root_path((base_ / "aliasA").string()), a);
  EXPECT_EQ(canonical_root_path((base_ / "capsB/../capsA//").string()), a);

  EXPECT_TRUE(record_day_served(a, day(2026, 12, 7)).ok());
  EXPECT_TRUE(record_run_started(b, day(2026, 12, 6)).ok());
  EXPECT_EQ(read_day_record(a)->served_through, day(2026, 12, 7));
  EXPECT_EQ(read_day_record(b)->served_through, std::nullopt);
  EXPECT_EQ(read_day_record(b)->unfinished, std::vector<date>{day(2026, 12, 6)});
  EXPECT_EQ(read_day_record(default_root())->served_through, std::nullopt);
  // The file names the root of each section, for people reading it.
  EXPECT_NE(settings_text().find(a), std::string::npos) << settings_text();
}

TEST_F(DayRecord, ServingADayKeepsOnlyLaterUnfinishedDays) {
  const std::string root = default_root();
  for (const date d : {day(2026, 12, 3), day(2026, 12, 5), day(2026, 12, 9)})
    EXPECT_TRUE(record_run_started(root, d).ok());
  EXPECT_TRUE(record_run_started(root, day(2026, 12, 5)).ok());  // not twice
  EXPECT_EQ(read_day_record(root)->unfinished.size(), 3u);
  EXPECT_TRUE(record_day_served(root, day(2026, 12, 5)).ok());
  EXPECT_EQ(read_day_record(root)->unfinished, std::vector<date>{day(2026, 12, 9)});
}

// Every form of damage is a failure naming the settings file, never a quiet
// "no previous run".
TEST_F(DayRecord, ADamagedRecordIsReportedWithItsFile) {
  const std::string cases[] = {
      "[date]\nprev_date=2026/12/01, 2026/12/02\n",
      "[date]\nprev_date=@Invalid()\n",
      "[date]\nprev_date=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x13QDate)\n",
      "[date]\nprev_date=@ByteArray(2026/12/01)\n",
      "[date]\nprev_date=yesterday\n",
      "[date]\nprev_date=2026/02/30\n",
      "[date]\nprev_date=2026/12/05\nunfinished=2026/12/06 soon\n",
  };
  for (const std::string& text : cases) {
    write_settings(text);
    const auto record = read_day_record(default_root());
    ASSERT_FALSE(record.ok()) << text;
    EXPECT_NE(record.error().description.find(settings_file().string()), std::string::npos)
        << record.error().description;
  }
}

TEST_F(DayRecord, AnUnreadableSettingsFileIsReported) {
  fs::create_directory(settings_file());  // cannot be read as a file, even by root
  const auto record = read_day_record(default_root());
  EXPECT_FALSE(record.ok());
  fs::remove(settings_file());
}

TEST_F(DayRecord, StoringOverADamagedFileIsNotCalledAFailure) {
  write_settings("[date]\nprev_date=2026/12/01, 2026/12/02\n");
  EXPECT_TRUE(record_day_served(default_root(), day(2026, 12, 7)).ok());
  EXPECT_EQ(read_day_record(default_root())->served_through, day(2026, 12, 7));
}

TEST(RecordDay, ReadsOnlyRealDaysInTheStoredForm) {
  EXPECT_EQ(parse_record_day("2026/12/07"), day(2026, 12, 7));
  EXPECT_EQ(parse_record_day("2026/1/7"), day(2026, 1, 7));
  EXPECT_EQ(format_record_day(day(998, 1, 7)), "0998/01/07");
  for (const char* bad : {"", "2026/12", "2026-12-07", "2026/13/01", "0050/01/01", "2026/12/07x"})
    EXPECT_EQ(parse_record_day(bad), std::nullopt) << bad;
}

class RunLock : public DayRecord {};

TEST_F(RunLock, ALockWithoutALiveOwnerIsTakenOver) {
  const std::string root = default_root();
  const std::string path = run_lock_path(root);
  // A process id that no process has: one of a child that has ended.
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  const std::string dead = std::to_string(child) + "\nday_record_test\n" +
                           QSysInfo::machineHostName().toStdString() + "\n";
  for (const std::string& content : {std::string(), std::string("garbage\n"), dead}) {
    std::ofstream(path) << content;
    // Old enough not to be a lock that is still being written.
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(1));
    run_lock lock(root);
    EXPECT_EQ(lock.status(), run_lock::state::held) << '"' << content << '"';
  }
}

TEST_F(RunLock, ALiveRunHoldsTheLockForEverySpellingOfTheRoot) {
  fs::create_directories(base_ / "capsC");
  fs::create_directory_symlink(base_ / "capsC", base_ / "aliasC");
  run_lock first(canonical_root_path((base_ / "capsC").string()));
  ASSERT_EQ(first.status(), run_lock::state::held);
  run_lock second(canonical_root_path((base_ / "aliasC/").string()));
  EXPECT_EQ(second.status(), run_lock::state::busy);
  first.release();
  run_lock third(canonical_root_path((base_ / "aliasC").string()));
  EXPECT_EQ(third.status(), run_lock::state::held);
}

TEST_F(RunLock, ALockThatCannotBeMadeLetsTheRunGoOnWithAReport) {
  const std::string root = canonical_root_path((base_ / "capsD").string());
  fs::create_directories(run_lock_path(root));  // a folder in the lock's place
  run_lock lock(root);
  EXPECT_EQ(lock.status(), run_lock::state::unavailable);
  ASSERT_TRUE(lock.problem().has_value());
  EXPECT_NE(lock.problem()->description.find(run_lock_path(root)), std::string::npos);
  fs::remove_all(run_lock_path(root));
}

}  // namespace
}  // namespace mj::platform

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // QLockFile names the application
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
