// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/result_support.h"

namespace mj::platform {
namespace {

namespace fs = std::filesystem;

// Qt reads $XDG_CONFIG_HOME once, before the first QSettings, so every test
// of this program shares one temporary configuration folder.
class SettingsStore : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string pattern = (fs::temp_directory_path() / "mj_settings_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    config_ = pattern;
    setenv("XDG_CONFIG_HOME", pattern.c_str(), 1);
  }
  static void TearDownTestSuite() { fs::remove_all(config_); }

  static fs::path config_;
};

fs::path SettingsStore::config_;

TEST_F(SettingsStore, AnAbsentValueReadsEmptyAndAWrittenOneReadsBack) {
  EXPECT_EQ(read_setting("date", "prev_date"), "");
  EXPECT_EQ(mj::testing::failure_code_of(write_setting("date", "prev_date", "1998/12/16")),
            std::nullopt);
  EXPECT_EQ(read_setting("date", "prev_date"), "1998/12/16");
  std::ifstream file(config_ / "M_Jar.conf");
  std::string text((std::istreambuf_iterator<char>(file)), {});
  EXPECT_NE(text.find("[date]"), std::string::npos) << text;
  EXPECT_NE(text.find("prev_date=1998/12/16"), std::string::npos) << text;
}

TEST_F(SettingsStore, AStoreThatCannotBeWrittenIsAFailure) {
  // A folder where the settings file belongs cannot be written, even by root.
  fs::remove(config_ / "M_Jar.conf");
  fs::create_directory(config_ / "M_Jar.conf");
  EXPECT_EQ(mj::testing::failure_code_of(write_setting("date", "prev_date", "1998/12/17")),
            failure_code::path_access);
  fs::remove(config_ / "M_Jar.conf");
}

std::string text_of(const fs::path& path) {
  std::ifstream file(path);
  return std::string((std::istreambuf_iterator<char>(file)), {});
}

// The store is written to a new file that then takes the old one's name: a
// second name for the old file still shows the old text, and nothing but the
// store is left in its folder. A store rewritten in place could be found
// half-written after a crash or a full disk.
TEST_F(SettingsStore, AWriteReplacesTheWholeFile) {
  ASSERT_EQ(mj::testing::failure_code_of(write_setting("date", "prev_date", "1998/12/16")),
            std::nullopt);
  fs::create_hard_link(config_ / "M_Jar.conf", config_ / "before.conf");
  EXPECT_EQ(mj::testing::failure_code_of(write_setting("date", "prev_date", "1998/12/17")),
            std::nullopt);
  EXPECT_NE(text_of(config_ / "before.conf").find("prev_date=1998/12/16"), std::string::npos);
  EXPECT_NE(text_of(config_ / "M_Jar.conf").find("prev_date=1998/12/17"), std::string::npos);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(config_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"M_Jar.conf", "before.conf"}));
  fs::remove(config_ / "before.conf");
}

}  // namespace
}  // namespace mj::platform
