// SPDX-License-Identifier: MIT
#include "platform/open_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "tests/result_support.h"
#include "tests/temp_folder.h"

namespace mj::platform {
namespace {

namespace fs = std::filesystem;

bool appears_within_seconds(const fs::path& path, int seconds) {
  for (int i = 0; i < seconds * 20 && !fs::exists(path); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  return fs::exists(path);
}

std::string text_of(const fs::path& path) {
  std::ifstream file(path);
  return std::string((std::istreambuf_iterator<char>(file)), {});
}

// PATH holds only a folder of stand-ins for xdg-open, restored afterwards.
class OpenWithDesktop : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(root_.empty());
    fs::create_directory(bin_);
    if (const char* path = std::getenv("PATH")) saved_path_ = path;
    setenv("PATH", bin_.c_str(), 1);
  }
  void TearDown() override { setenv("PATH", saved_path_.c_str(), 1); }

  void write_opener(const std::string& script, mode_t mode) {
    std::ofstream(bin_ / "xdg-open") << "#!/bin/sh\nPATH=/usr/bin:/bin\n" << script;
    chmod((bin_ / "xdg-open").c_str(), mode);
  }

  mj::testing::temp_folder folder_{"mj_open_file"};
  fs::path root_ = folder_.path();
  fs::path bin_ = root_ / "bin";
  std::string saved_path_;
};

TEST_F(OpenWithDesktop, AnOpenerThatCannotStartIsAFailureNamingFileAndReason) {
  struct Case {
    const char* name;
    bool install;
    mode_t mode;
    const char* reason;
  };
  const Case kCases[] = {
      {"no xdg-open on PATH", false, 0, "(xdg-open not found)"},
      // Even root may not run a file without an execute bit.
      {"xdg-open not executable", true, 0644, "(xdg-open could not be started: Permission denied)"},
  };
  const std::string file = (root_ / "TOMORROW" / "note.txt").string();
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    fs::remove(bin_ / "xdg-open");
    if (c.install) write_opener("exit 0\n", c.mode);
    const result<void> handed = open_with_desktop(file, root_.string());
    ASSERT_FALSE(handed.ok());
    EXPECT_EQ(handed.error().code, failure_code::path_access);
    EXPECT_EQ(handed.error().description, file + " " + c.reason);
  }
}

// The stand-in records where it runs and what it got, then stays until the
// test releases it: a call that waited for the opener to end would come back
// only after the stand-in gave up waiting and wrote "ended".
TEST_F(OpenWithDesktop, HandsTheFileOverInTheWorkingFolderWithoutWaiting) {
  write_opener(
      "printf '%s\\n%s\\n' \"$(pwd)\" \"$1\" > \"$MJ_SEEN.tmp\"\n"
      "mv \"$MJ_SEEN.tmp\" \"$MJ_SEEN\"\n"
      "i=0; while [ ! -e \"$MJ_RELEASE\" ] && [ $i -lt 100 ]; do sleep 0.05; i=$((i+1)); done\n"
      "touch \"$MJ_ENDED\"\n",
      0755);
  const fs::path working = root_ / "12=1";
  fs::create_directory(working);
  // Bytes that are not UTF-8 reach the opener as they are.
  const std::string file = (working / "f\xfe.txt").string();
  setenv("MJ_SEEN", (root_ / "seen").c_str(), 1);
  setenv("MJ_RELEASE", (root_ / "release").c_str(), 1);
  setenv("MJ_ENDED", (root_ / "ended").c_str(), 1);

  EXPECT_EQ(mj::testing::failure_code_of(open_with_desktop(file, working.string())), std::nullopt);
  EXPECT_FALSE(fs::exists(root_ / "ended"));
  std::ofstream(root_ / "release") << "";
  ASSERT_TRUE(appears_within_seconds(root_ / "seen", 10));
  EXPECT_EQ(text_of(root_ / "seen"), working.string() + "\n" + file + "\n");
  EXPECT_TRUE(appears_within_seconds(root_ / "ended", 10));
}

}  // namespace
}  // namespace mj::platform
