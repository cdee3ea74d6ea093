// SPDX-License-Identifier: MIT
#include "platform/directory_listing.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "tests/result_support.h"
#include "tests/temp_folder.h"

namespace mj::platform {
namespace {

namespace fs = std::filesystem;

class DirectoryListing : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(root_.empty()); }
  void touch(const std::string& name) { std::ofstream(root_ / name) << "x"; }

  mj::testing::temp_folder folder_{"mj_listing"};
  fs::path root_ = folder_.path();
};

TEST_F(DirectoryListing, SortsWithoutCaseFirstThenExactly) {
  for (const char* name : {"b.txt", "B.txt", "a.txt", "_x", "C", "aa", ".dot"}) touch(name);
  const std::vector<std::string> expected = {".dot", "_x", "a.txt", "aa", "B.txt", "b.txt", "C"};
  // "_" (0x5F) sorts after the folded letters; "." (0x2E) before them.
  std::vector<std::string> by_rule = {"_x", "a.txt", "aa", "B.txt", "b.txt", "C", ".dot"};
  std::sort(by_rule.begin(), by_rule.end(), listing_order);
  EXPECT_EQ(mj::testing::value_of(list_folder(root_, listing_mask::files)), by_rule);
  EXPECT_EQ(by_rule.front(), ".dot");
  EXPECT_TRUE(listing_order("B.txt", "b.txt"));
  EXPECT_TRUE(listing_order("a.txt", "B.txt"));
  EXPECT_TRUE(listing_order("aa", "B.txt"));
  EXPECT_FALSE(listing_order("b", "b"));
  EXPECT_TRUE(listing_order("ab", "abc"));
}

TEST_F(DirectoryListing, FileMaskKeepsFilesAndLinksToFilesOnly) {
  touch("note.txt");
  touch(".hidden");
  // A file the writer is still writing under its staged name.
  touch(".m_jarin-4242-0a1b2c3d.part");
  fs::create_directory(root_ / "sub");
  std::ofstream(root_ / "sub" / "inner.txt") << "x";
  fs::create_symlink(root_ / "note.txt", root_ / "link_to_note");
  fs::create_symlink(root_ / "sub", root_ / "link_to_sub");
  fs::create_symlink(root_ / "gone", root_ / "dangling");

  EXPECT_EQ(mj::testing::value_of(list_folder(root_, listing_mask::files)),
            (std::vector<std::string>{".hidden", "link_to_note", "note.txt"}));
  EXPECT_EQ(mj::testing::value_of(list_folder(root_, listing_mask::all_entries)),
            (std::vector<std::string>{".hidden", ".m_jarin-4242-0a1b2c3d.part", "dangling",
                                      "link_to_note", "link_to_sub", "note.txt", "sub"}));
}

TEST_F(DirectoryListing, AMissingFolderIsFileNotFound) {
  touch("plain");
  for (const fs::path& p : {root_ / "missing", root_ / "plain"}) {
    SCOPED_TRACE(p.string());
    EXPECT_EQ(mj::testing::failure_code_of(list_folder(p, listing_mask::files)),
              failure_code::not_found);
  }
}

}  // namespace
}  // namespace mj::platform
