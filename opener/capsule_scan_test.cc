// SPDX-License-Identifier: MIT
// The capsule scan and the due-file selection on a real folder tree, with
// file times set through std::filesystem.
#include "opener/capsule_scan.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <ctime>
#include <fstream>

#include "platform/file_attributes.h"
#include "rules/test_support.h"
#include "tests/file_times.h"
#include "tests/temp_folder.h"

namespace mj::opener {
namespace {

namespace fs = std::filesystem;
using testing::D;

class CapsuleScan : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(folder_.path().empty()); }

  // Creates the file `name` last modified at the local time `when`
  // ("YYYY-MM-DD hh:mm:ss").
  void file(const fs::path& name, const char* when = "1998-12-01 12:00:00") {
    ASSERT_TRUE(testing::make_message_file(root_ / name, when)) << when;
  }
  void folder(const fs::path& name) { fs::create_directories(root_ / name); }

  std::vector<std::string> queued(const opening_selection& selection) {
    std::vector<std::string> paths;
    for (const queue_entry& e : selection.open_queue)
      paths.push_back(fs::path(e.path).lexically_relative(root_).string());
    return paths;
  }

  failure_sink keep() {
    return [this](const failure& f) { failures_.push_back(f); };
  }

  mj::testing::temp_folder folder_{"mj_capsule"};
  fs::path root_ = folder_.path() / "";
  std::vector<failure> failures_;
};

TEST_F(CapsuleScan, QueuesRootFilesFirstThenEachDueFolderInListingOrder) {
  file("b_root.txt");
  file("A_root.txt");
  file(".hidden_root");
  file("TOMORROW/a.txt", "1998-12-15 00:00:00");
  file("TOMORROW/B.txt", "1998-12-15 23:59:59");
  file("TOMORROW/c.txt", "1998-12-16 00:00:00");  // today's: opens tomorrow
  file("TOMORROW/sub/inner.txt", "1998-12-15 10:00:00");
  file("tomorrow /x.txt", "1998-12-15 10:00:00");  // trailing blank: judged as TOMORROW
  file("16/f.txt");
  file("16/.h");
  file("Every Week/w1.txt", "1998-12-09 10:00:00");
  file("Every Week/w2.txt", "1998-12-10 10:00:00");
  file("12-14+/late.txt");  // due through the missed days
  file("12-25/xmas.txt");   // not due
  file(".TOMORROW/hidden_folder.txt", "1998-12-15 10:00:00");
  file("16+/in_readonly.txt");
  fs::permissions(root_ / "16+", fs::perms::owner_write, fs::perm_options::remove);
  fs::create_directory_symlink(root_ / "16", root_ / "link16");
  folder("98-2-30");  // looks like a date and is none

  const run_calendar calendar = make_run_calendar(D("1998-12-16"));
  const capsule_scan scan = scan_capsule(root_, 2, calendar, keep());

  std::vector<std::string> names;
  for (const scanned_folder& f : scan.folders) names.push_back(f.name);
  EXPECT_EQ(names, (std::vector<std::string>{"12-14+", "12-25", "16", "98-2-30", "Every Week",
                                             "TOMORROW", "tomorrow "}));
  ASSERT_EQ(failures_.size(), 1u);
  EXPECT_EQ(failures_[0].code, failure_code::type_mismatch);

  const opening_selection selection = select_due_files(root_, scan, calendar.today, keep());
  EXPECT_EQ(queued(selection),
            (std::vector<std::string>{".hidden_root", "A_root.txt", "b_root.txt", "12-14+/late.txt",
                                      "16/.h", "16/f.txt", "Every Week/w1.txt", "TOMORROW/a.txt",
                                      "TOMORROW/B.txt", "tomorrow /x.txt"}));
  EXPECT_EQ(fs::path(selection.working_folder), root_ / "tomorrow ");
  EXPECT_EQ(failures_.size(), 1u);
}

TEST_F(CapsuleScan, AMissingCapsuleRootGivesAnEmptyQueueSilently) {
  const fs::path missing = root_ / "nowhere" / "";
  const run_calendar calendar = make_run_calendar(D("1998-12-16"));
  const capsule_scan scan = scan_capsule(missing, 0, calendar, keep());
  EXPECT_TRUE(scan.folders.empty());
  EXPECT_TRUE(scan.root_files.empty());
  EXPECT_TRUE(select_due_files(missing, scan, calendar.today, keep()).open_queue.empty());
  for (const failure& f : failures_) EXPECT_EQ(f.code, failure_code::not_found);
  EXPECT_FALSE(failures_.empty());
}

TEST_F(CapsuleScan, AFolderRemovedAfterTheScanIsReportedAndTheRestStillOpens) {
  file("16/gone.txt");
  file("EVERYDAY/kept.txt", "1998-12-15 08:00:00");
  const run_calendar calendar = make_run_calendar(D("1998-12-16"));
  const capsule_scan scan = scan_capsule(root_, 0, calendar, keep());
  fs::remove_all(root_ / "16");
  const opening_selection selection = select_due_files(root_, scan, calendar.today, keep());
  EXPECT_EQ(queued(selection), (std::vector<std::string>{"EVERYDAY/kept.txt"}));
  ASSERT_FALSE(failures_.empty());
  EXPECT_NE(failures_[0].code,
            failure_code::not_found);  // the folder that cannot be entered is shown
}

TEST_F(CapsuleScan, ARepeatingFolderWithoutAStepQueuesNothing) {
  file("EVERYDAY/a.txt", "1998-12-15 08:00:00");
  capsule_scan scan;
  scanned_folder everyday{"EVERYDAY", {}};
  everyday.evaluation.name.rule = "EVERYDAY";
  everyday.evaluation.verdict.kind = due_kind::repeating;
  everyday.evaluation.verdict.from = D("1998-12-16");
  everyday.evaluation.verdict.to = D("1998-12-16");
  scan.folders.push_back(everyday);
  EXPECT_TRUE(select_due_files(root_, scan, D("1998-12-16"), keep()).open_queue.empty());
  scan.folders[0].evaluation.verdict.repeat_every = 1;
  EXPECT_EQ(select_due_files(root_, scan, D("1998-12-16"), keep()).open_queue.size(), 1u);
}

// A capsule root so deep that a long file name in one of its folders makes a
// path longer than the system takes, though the root and its folders are not.
TEST(CapsuleScanLongPaths, AFilePastThePathLimitIsReportedAloneAndTheDayIsServed) {
  mj::testing::temp_folder folder("mj_long_paths");
  ASSERT_FALSE(folder.path().empty());
  fs::path root = folder.path();
  // The root about 200 short of the limit: its folders fit, a long name not.
  const size_t root_length = platform::longest_path() - 200;
  while (root.native().size() + 201 < root_length) root /= std::string(200, 'd');
  root /= std::string(root_length - root.native().size() - 1, 'e');
  ASSERT_TRUE(fs::create_directories(root));
  const std::string long_name = std::string(240, 'n') + ".txt";

  struct Case {
    const char* folder;  // due on 1998-12-16
    const char* short_time;
  };
  const Case kCases[] = {
      {"16", "1998-12-01 12:00:00"},        // the whole folder
      {"TOMORROW", "1998-12-15 12:00:00"},  // files by their time
      {"YEAR1-", "1997-01-01 12:00:00"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.folder);
    const fs::path due = root / c.folder;
    fs::create_directories(due);
    ASSERT_TRUE(testing::make_message_file(due / "short.txt", c.short_time)) << c.short_time;
    // Made through the folder: its whole path is too long to name it by.
    const int folder_fd = open(due.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(folder_fd, 0);
    const int file_fd = openat(folder_fd, long_name.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(file_fd, 0);
    close(file_fd);
    ASSERT_GT((due / long_name).native().size(), platform::longest_path());

    std::vector<failure> failures;
    const failure_sink keep = [&](const failure& f) { failures.push_back(f); };
    const run_calendar calendar = make_run_calendar(D("1998-12-16"));
    const capsule_scan scan = scan_capsule(root, 0, calendar, keep);
    const opening_selection selection = select_due_files(root, scan, calendar.today, keep);
    ASSERT_EQ(selection.open_queue.size(), 1u);
    EXPECT_EQ(selection.open_queue[0].path, (due / "short.txt").string());
    EXPECT_TRUE(selection.complete);  // the day counts as served
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].code, failure_code::not_found);  // shown, not silent
    EXPECT_NE(failures[0].description.find("longer than the system takes"), std::string::npos)
        << failures[0].description;
    // Removed through the folder too, so that the next case stands alone and
    // the temporary folder can be removed by path.
    EXPECT_EQ(unlinkat(folder_fd, long_name.c_str(), 0), 0);
    close(folder_fd);
    fs::remove_all(due);
  }
}

}  // namespace
}  // namespace mj::opener
