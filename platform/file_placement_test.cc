// SPDX-License-Identifier: MIT
#include "platform/file_placement.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
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

TEST(StagingFiles, TheWritersStagedNamesAndNoOthers) {
  struct Case {
    const char* name;
    std::optional<long long> process;
  };
  const Case kCases[] = {
      {".m_jarin-1234-00ff3a9c12b4e5d6.part", 1234},
      {".m_jarin-7-a.part", 7},
      {".m_jarin-1234-00ff.part.txt", std::nullopt},
      {"m_jarin-1234-00ff.part", std::nullopt},
      {".m_jarin--00ff.part", std::nullopt},
      {".m_jarin-12x4-00ff.part", std::nullopt},
      {".m_jarin-1234-.part", std::nullopt},
      {".m_jarin-1234-zz.part", std::nullopt},
      {".m_jarin-1234.part", std::nullopt},
      {".m_jarin-99999999999999999999-1.part", std::nullopt},
      {"note.part", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(staging_file_process(c.name), c.process);
    EXPECT_EQ(is_staging_file_name(c.name), c.process.has_value());
  }
}

TEST(StagingFiles, OnlyOldOnesOfProcessesThatAreGoneAreRemoved) {
  placement_folder folder;
  const fs::path& f = folder.path();
  // A process id that is surely not running: the largest there can be.
  const std::string gone = std::to_string(std::numeric_limits<int>::max());
  const std::string self = std::to_string(static_cast<long long>(
#ifdef _WIN32
      GetCurrentProcessId()
#else
      getpid()
#endif
          ));
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours{1};
  for (const std::string& name : {".m_jarin-" + gone + "-0a.part", ".m_jarin-" + gone + "-0b.part",
                                  ".m_jarin-" + self + "-0c.part", std::string("note.txt"),
                                  ".m_jarin-" + gone + "-0d.partial"}) {
    write(f / name, "x\n");
    fs::last_write_time(f / name, old);
  }
  write(f / (".m_jarin-" + gone + "-0e.part"), "just written\n");  // too young to judge
  fs::create_directory(f / "FOLDER");
  write(f / "FOLDER" / (".m_jarin-" + gone + "-0f.part"), "x\n");
  fs::last_write_time(f / "FOLDER" / (".m_jarin-" + gone + "-0f.part"), old);

  EXPECT_TRUE(is_process_running(std::stoll(self)));
  EXPECT_FALSE(is_process_running(std::stoll(gone)));
  EXPECT_EQ(remove_stale_staging_files(f), 2);
  EXPECT_FALSE(fs::exists(f / (".m_jarin-" + gone + "-0a.part")));
  EXPECT_FALSE(fs::exists(f / (".m_jarin-" + gone + "-0b.part")));
  EXPECT_TRUE(fs::exists(f / (".m_jarin-" + self + "-0c.part")));
  EXPECT_TRUE(fs::exists(f / "note.txt"));
  EXPECT_TRUE(fs::exists(f / (".m_jarin-" + gone + "-0d.partial")));
  EXPECT_TRUE(fs::exists(f / (".m_jarin-" + gone + "-0e.part")));
  EXPECT_TRUE(fs::exists(f / "FOLDER" / (".m_jarin-" + gone + "-0f.part")));  // one level only
  EXPECT_EQ(remove_stale_staging_files(f / "missing"), 0);
}

}  // namespace
}  // namespace mj::platform
