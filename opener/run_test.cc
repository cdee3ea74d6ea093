// SPDX-License-Identifier: MIT
// The opener's run through its services: a real capsule on disk, and a
// record, a clock and a desktop that the tests hold in their hands.
#include "opener/run.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "rules/test_support.h"
#include "tests/temp_folder.h"

namespace mj::opener {
namespace {

namespace fs = std::filesystem;
using testing::D;

// Everything the run leaves outside itself, recorded.
struct fake_desktop {
  date today = D("2031-03-12");
  platform::day_record record;
  std::optional<failure> record_damage;
  std::set<std::string> refused;  // files the desktop will not open
  std::vector<std::string> handed;
  std::vector<std::pair<std::string, platform::hand_over_done>> answers_due;
  bool accept_passed_over = false;
  int offers = 0;
  bool ended = false;

  run_services services() {
    run_services s;
    s.today = [this] { return today; };
    s.skip_key_down = [] { return false; };
    s.read_record = [this](const std::string&) -> result<platform::day_record> {
      if (record_damage) return *record_damage;
      return record;
    };
    s.record_started = [this](const std::string&, date d) -> result<void> {
      record.unfinished.push_back(d);
      return {};
    };
    s.record_served = [this](const std::string&, date d) -> result<void> {
      record.served_through = d;
      std::erase_if(record.unfinished, [d](date u) { return u <= d; });
      return {};
    };
    s.hand_over = [this](const std::string& path, const std::string&,
                         platform::hand_over_done done) {
      handed.push_back(fs::path(path).lexically_relative(root).generic_string());
      answers_due.emplace_back(path, std::move(done));
    };
    s.offer_passed_over = [this](const std::vector<passed_over_file>&) {
      ++offers;
      return accept_passed_over;
    };
    s.ended = [this] { ended = true; };
    return s;
  }

  // The desktop answers every hand-over so far.
  void answer_all() {
    auto due = std::move(answers_due);
    answers_due.clear();
    for (auto& [path, done] : due)
      done(refused.contains(fs::path(path).filename().string())
               ? result<void>(make_failure(failure_code::path_access, path + " (refused)"))
               : result<void>());
  }

  // Ticks until the run ends, answering as it goes; a bounded number of ticks.
  void run_to_end(opener_run& run) {
    for (int i = 0; i < 1000 && !run.ended(); ++i) {
      run.tick();
      answer_all();
    }
  }

  fs::path root;
};

class Run : public ::testing::Test {
 protected:
  void SetUp() override {
    desktop_.root = capsule_.path();
    setenv("XDG_RUNTIME_DIR", (capsule_.path() / "runtime").c_str(), 1);
    fs::create_directories(capsule_.path() / "runtime");
    put("R.txt", "2031-03-01");
  }

  // A file of the capsule with its last-modified day (at noon, local time).
  void put(const std::string& relative, const std::string& day) {
    const fs::path path = capsule_.path() / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "message\n";
    const std::string stamp = day + " 12:00";
    ASSERT_EQ(std::system(("touch -d '" + stamp + "' '" + path.string() + "'").c_str()), 0);
  }

  std::set<std::string> run_once() {
    opener_run run(desktop_.services());
    EXPECT_EQ(run.begin("0 " + capsule_.path().string(), false), opener_run::start::running);
    desktop_.run_to_end(run);
    EXPECT_TRUE(run.ended());
    last_problems_ = run.problems();
    last_passed_over_ = run.passed_over();
    return {desktop_.handed.begin(), desktop_.handed.end()};
  }

  mj::testing::temp_folder capsule_{"mj_run"};
  fake_desktop desktop_;
  std::vector<failure> last_problems_;
  std::vector<passed_over_file> last_passed_over_;
};

TEST_F(Run, AnOwedDayOpensItsExactDayFilesAtTheNextRun) {
  put("TOMORROW/dentist.txt", "2031-03-10");  // due on the 11th only
  desktop_.record.served_through = D("2031-03-10");
  desktop_.record.unfinished = {D("2031-03-11")};  // that run was killed
  EXPECT_EQ(run_once(), (std::set<std::string>{"R.txt", "TOMORROW/dentist.txt"}));
  EXPECT_EQ(desktop_.record.served_through, D("2031-03-12"));
  EXPECT_TRUE(desktop_.record.unfinished.empty());
  EXPECT_TRUE(last_passed_over_.empty());
}

TEST_F(Run, ADayWithoutARunTellsItsExactDayMessagesAndOpensThemWhenAsked) {
  put("TOMORROW/dentist.txt", "2031-03-10");  // due on the 11th, the computer was off
  put("TOMORROW+/caught.txt", "2031-03-10");  // "+" catches up by itself
  put("SUNDAY/weekly.txt", "2031-03-01");     // Sunday the 9th was off; comes back on the 16th
  desktop_.record.served_through = D("2031-03-08");
  EXPECT_EQ(run_once(), (std::set<std::string>{"R.txt", "TOMORROW+/caught.txt"}));
  ASSERT_EQ(last_passed_over_.size(), 1u);
  EXPECT_EQ(last_passed_over_[0].folder, "TOMORROW");
  EXPECT_EQ(last_passed_over_[0].due_on, D("2031-03-11"));
  EXPECT_EQ(desktop_.offers, 1);

  desktop_ = fake_desktop();
  desktop_.root = capsule_.path();
  desktop_.record.served_through = D("2031-03-08");
  desktop_.accept_passed_over = true;
  EXPECT_TRUE(run_once().contains("TOMORROW/dentist.txt"));
  EXPECT_EQ(desktop_.record.served_through, D("2031-03-12"));
}

TEST_F(Run, AClockBehindTheRecordOpensOnlyTheRootAndRecordsNothing) {
  put("12/monthly.txt", "2031-03-01");
  desktop_.record.served_through = D("2031-03-20");
  EXPECT_EQ(run_once(), (std::set<std::string>{"R.txt"}));
  EXPECT_EQ(desktop_.record.served_through, D("2031-03-20"));
  EXPECT_TRUE(desktop_.record.unfinished.empty());
  ASSERT_EQ(last_problems_.size(), 1u);
  EXPECT_NE(last_problems_[0].description.find("earlier than the last run"), std::string::npos);
}

TEST_F(Run, AFileTheDesktopRefusedLeavesTheDayOwedAndIsReportedOnce) {
  put("12/a.txt", "2031-03-01");
  put("12/b.txt", "2031-03-01");
  desktop_.record.served_through = D("2031-03-11");
  desktop_.refused = {"a.txt"};
  EXPECT_EQ(run_once(), (std::set<std::string>{"R.txt", "12/a.txt", "12/b.txt"}));
  EXPECT_EQ(desktop_.record.served_through, D("2031-03-11"));
  EXPECT_EQ(desktop_.record.unfinished, std::vector<date>{D("2031-03-12")});
  ASSERT_EQ(last_problems_.size(), 1u);
  EXPECT_NE(last_problems_[0].description.find("a.txt (refused)"), std::string::npos);
}

TEST_F(Run, TheRunWaitsForTheDesktopsAnswerBeforeItRecordsTheDay) {
  desktop_.record.served_through = D("2031-03-11");
  opener_run run(desktop_.services());
  ASSERT_EQ(run.begin("0 " + capsule_.path().string(), false), opener_run::start::running);
  run.tick();  // hands R.txt over
  run.tick();  // the queue is done, the answer is not
  EXPECT_FALSE(run.ended());
  desktop_.answer_all();
  EXPECT_TRUE(run.ended());
  EXPECT_TRUE(run.day_served());
}

TEST_F(Run, ADamagedRecordIsReportedAndTodayIsTheOnlyDay) {
  put("3-10+/missed.txt", "2031-03-01");
  desktop_.record_damage = make_failure(failure_code::type_mismatch, "the record is damaged");
  EXPECT_EQ(run_once(), (std::set<std::string>{"R.txt"}));
  ASSERT_EQ(last_problems_.size(), 1u);
  EXPECT_NE(last_problems_[0].description.find("only day"), std::string::npos);
  EXPECT_EQ(desktop_.record.served_through, D("2031-03-12"));
}

TEST_F(Run, AStoppedRunLeavesItsDayOwed) {
  put("12/a.txt", "2031-03-01");
  opener_run run(desktop_.services());
  ASSERT_EQ(run.begin("0 " + capsule_.path().string(), false), opener_run::start::running);
  run.tick();
  run.stop();
  EXPECT_TRUE(desktop_.ended);
  EXPECT_FALSE(run.day_served());
  EXPECT_EQ(desktop_.record.unfinished, std::vector<date>{D("2031-03-12")});
}

}  // namespace
}  // namespace mj::opener

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
