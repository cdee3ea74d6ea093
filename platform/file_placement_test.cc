#include "platform/file_placement.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace mj::platform {
namespace {

namespace fs = std::filesystem;

// A fresh folder of its own (mkdtemp is not on every platform).
class placement_folder {
 public:
  placement_folder() {
    std::mt19937_64 random(static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    path_ = fs::temp_directory_path() / ("placement_" + std::to_string(random()));
    fs::create_directory(path_);
  }
  ~placement_folder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void write(const fs::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct call_case {
  const char* name;
  placement_call call;
};
const call_case kCalls[] = {
    {"rename that refuses to replace", placement_call::rename_no_replace},
    {"hard link", placement_call::hard_link},
};

TEST(FilePlacement, AFreeNameTakesTheWholeFile) {
  for (const call_case& c : kCalls) {
    SCOPED_TRACE(c.name);
    placement_folder folder;
    write(folder.path() / "staged", "the message\n");
    const result<placement> r =
        place_without_replacing(folder.path() / "staged", folder.path() / "note.txt", c.call);
    ASSERT_TRUE(r.ok()) << r.error().description;
    EXPECT_EQ(*r, placement::placed);
    EXPECT_EQ(read(folder.path() / "note.txt"), "the message\n");
    EXPECT_FALSE(fs::exists(folder.path() / "staged"));
  }
}

TEST(FilePlacement, ATakenNameIsNeverReplaced) {
  for (const call_case& c : kCalls) {
    SCOPED_TRACE(c.name);
    placement_folder folder;
    write(folder.path() / "staged", "second\n");
    write(folder.path() / "note.txt", "first\n");
    fs::create_directory(folder.path() / "a folder");
    for (const char* taken : {"note.txt", "a folder"}) {
      SCOPED_TRACE(taken);
      const result<placement> r =
          place_without_replacing(folder.path() / "staged", folder.path() / taken, c.call);
      ASSERT_TRUE(r.ok()) << r.error().description;
      EXPECT_EQ(*r, placement::name_taken);
      EXPECT_EQ(read(folder.path() / "staged"), "second\n");
    }
    EXPECT_EQ(read(folder.path() / "note.txt"), "first\n");
  }
}

// A dangling link still holds its name: putting a file there would replace it.
TEST(FilePlacement, ADanglingLinkHoldsItsName) {
  placement_folder folder;
  std::error_code no_links;
  fs::create_symlink(folder.path() / "nowhere", folder.path() / "note.txt", no_links);
  if (no_links) GTEST_SKIP() << "no symbolic links here: " << no_links.message();
  for (const call_case& c : kCalls) {
    SCOPED_TRACE(c.name);
    write(folder.path() / "staged", "message\n");
    const result<placement> r =
        place_without_replacing(folder.path() / "staged", folder.path() / "note.txt", c.call);
    ASSERT_TRUE(r.ok()) << r.error().description;
    EXPECT_EQ(*r, placement::name_taken);
    EXPECT_TRUE(fs::is_symlink(folder.path() / "note.txt"));
  }
}

TEST(FilePlacement, AnyOtherObstacleIsAFailureNamingThePath) {
  for (const call_case& c : kCalls) {
    SCOPED_TRACE(c.name);
    placement_folder folder;
    write(folder.path() / "staged", "message\n");
    const fs::path target = folder.path() / "missing folder" / "note.txt";
    const result<placement> r = place_without_replacing(folder.path() / "staged", target, c.call);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().code, failure_code::path_access);
    const std::u8string name = target.u8string();
    EXPECT_NE(r.error().description.find(std::string(name.begin(), name.end())), std::string::npos)
        << r.error().description;
    EXPECT_EQ(read(folder.path() / "staged"), "message\n");
  }
}

}  // namespace
}  // namespace mj::platform
