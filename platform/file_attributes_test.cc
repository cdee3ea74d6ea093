// SPDX-License-Identifier: MIT
#include "platform/file_attributes.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "tests/result_support.h"
#include "tests/temp_folder.h"

namespace mj::platform {
namespace {

namespace fs = std::filesystem;

class FileAttributes : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(root_.empty()); }
  void touch(const fs::path& p) { std::ofstream(p) << "x"; }

  mj::testing::temp_folder folder_{"mj_attributes"};
  fs::path root_ = folder_.path();
};

TEST_F(FileAttributes, MapsFoldersFilesAndLinks) {
  fs::create_directory(root_ / "TOMORROW");
  fs::create_directory(root_ / ".old");
  fs::create_directory(root_ / "readonly");
  fs::permissions(root_ / "readonly", fs::perms::owner_write, fs::perm_options::remove);
  touch(root_ / "note.txt");
  touch(root_ / ".hidden.txt");
  fs::create_directory_symlink(root_ / "TOMORROW", root_ / "link_to_folder");
  fs::create_symlink(root_ / "nowhere", root_ / "dangling");

  EXPECT_EQ(mj::testing::value_of(attribute_word(root_ / "TOMORROW")), kDirectory);
  EXPECT_EQ(mj::testing::value_of(attribute_word(root_ / ".old")), kDirectory | kHidden);
  EXPECT_EQ(mj::testing::value_of(attribute_word(root_ / "readonly")), kDirectory | kReadOnly);
  EXPECT_EQ(mj::testing::value_of(attribute_word(root_ / "note.txt")), 0);
  EXPECT_EQ(mj::testing::value_of(attribute_word(root_ / ".hidden.txt")), kHidden);
  EXPECT_EQ(mj::testing::value_of(attribute_word(root_ / "link_to_folder")),
            kReparsePoint | kDirectory);
  EXPECT_EQ(mj::testing::value_of(attribute_word(root_ / "dangling")), kReparsePoint);

  EXPECT_TRUE(mj::testing::value_of(is_schedule_folder(root_, "TOMORROW")));
  EXPECT_FALSE(mj::testing::value_of(is_schedule_folder(root_, ".old")));
  EXPECT_FALSE(mj::testing::value_of(is_schedule_folder(root_, "readonly")));
  EXPECT_FALSE(mj::testing::value_of(is_schedule_folder(root_, "note.txt")));
  EXPECT_FALSE(mj::testing::value_of(is_schedule_folder(root_, "link_to_folder")));
  EXPECT_FALSE(mj::testing::value_of(is_schedule_folder(root_, "dangling")));
}

TEST_F(FileAttributes, AMissingPathIsFileNotFound) {
  EXPECT_EQ(mj::testing::failure_code_of(attribute_word(root_ / "missing")),
            failure_code::not_found);
  touch(root_ / "file");
  EXPECT_EQ(mj::testing::failure_code_of(attribute_word(root_ / "file" / "below")),
            failure_code::not_found);
}

}  // namespace
}  // namespace mj::platform
