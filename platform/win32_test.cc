// SPDX-License-Identifier: MIT
// The Win32 side of the platform layer against the real system calls. Built
// by the Windows check only (tools/windows_check.sh), where it runs under Wine.
#ifdef _WIN32

#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/capsule_root.h"
#include "platform/directory_listing.h"
#include "platform/file_attributes.h"
#include "platform/file_time.h"
#include "platform/key_state.h"
#include "platform/open_file.h"
#include "tests/result_support.h"

namespace mj::platform {
namespace {

namespace fs = std::filesystem;

class Win32Folder : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() /
            ("mj_win32_" + std::to_string(GetCurrentProcessId()) + "_" + info->name());
    fs::remove_all(root_);
    ASSERT_TRUE(fs::create_directories(root_));
  }
  void TearDown() override {
    for (const auto& entry : fs::recursive_directory_iterator(root_)) {
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  void touch(const fs::path& p) { std::ofstream(p) << "x"; }
  void set_attributes(const fs::path& p, DWORD word) {
    ASSERT_TRUE(SetFileAttributesW(p.c_str(), word)) << p.string();
  }

  fs::path root_;
};

std::optional<failure_code> failure_code_of_attribute_word(const fs::path& path) {
  return mj::testing::failure_code_of(attribute_word(path));
}

TEST_F(Win32Folder, AttributeWordIsTheSystemsWord) {
  fs::create_directory(root_ / "TOMORROW");
  fs::create_directory(root_ / "hidden");
  set_attributes(root_ / "hidden", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN);
  touch(root_ / "note.txt");
  touch(root_ / "kept.txt");
  set_attributes(root_ / "kept.txt", FILE_ATTRIBUTE_READONLY);

  EXPECT_EQ(mj::testing::value_of(attribute_word(root_ / "TOMORROW")), kDirectory);
  EXPECT_EQ(mj::testing::value_of(attribute_word(root_ / "hidden")), kDirectory | kHidden);
  EXPECT_EQ(mj::testing::value_of(attribute_word(root_ / "note.txt")) & (kDirectory | kReadOnly),
            0);
  EXPECT_EQ(mj::testing::value_of(attribute_word(root_ / "kept.txt")) & (kDirectory | kReadOnly),
            kReadOnly);

  EXPECT_TRUE(mj::testing::value_of(is_schedule_folder(root_, "TOMORROW")));
  EXPECT_FALSE(mj::testing::value_of(is_schedule_folder(root_, "hidden")));
  EXPECT_FALSE(mj::testing::value_of(is_schedule_folder(root_, "note.txt")));
}

TEST_F(Win32Folder, AMissingPathIsFileNotFound) {
  touch(root_ / "file");
  EXPECT_EQ(failure_code_of_attribute_word(root_ / "missing"), failure_code::not_found);
  EXPECT_EQ(failure_code_of_attribute_word(root_ / "missing" / "below"), failure_code::not_found);
  EXPECT_EQ(failure_code_of_attribute_word(root_ / "file" / "below"), failure_code::not_found);
}

TEST_F(Win32Folder, FileListingLeavesOutSystemFiles) {
  touch(root_ / "note.txt");
  touch(root_ / "desktop.ini");
  set_attributes(root_ / "desktop.ini", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
  fs::create_directory(root_ / "TOMORROW");
  EXPECT_EQ(mj::testing::value_of(list_folder(root_, listing_mask::files)),
            std::vector<std::string>{"note.txt"});
}

// Sets the last-written time of `path` to `utc`.
void set_written_time(const fs::path& path, const SYSTEMTIME& utc) {
  FILETIME written;
  ASSERT_TRUE(SystemTimeToFileTime(&utc, &written));
  const HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  const bool set = SetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
  ASSERT_TRUE(set);
}

// The local time of the system's own conversion, with the daylight saving
// rule of that date.
TEST_F(Win32Folder, LastModifiedIsTheLocalTimeOfTheFilesTime) {
  touch(root_ / "note.txt");
  const SYSTEMTIME utc{2021, 7, 0, 4, 5, 6, 7, 0};
  set_written_time(root_ / "note.txt", utc);
  SYSTEMTIME local;
  ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local));

  using namespace std::chrono;
  const wall_time expected = sys_days{year{local.wYear} / local.wMonth / local.wDay} +
                             hours{local.wHour} + minutes{local.wMinute} + seconds{local.wSecond};
  EXPECT_EQ(mj::testing::value_of(last_modified(root_ / "note.txt")), expected);
}

// Whether the file system of `path` kept the last-written time `utc`.
bool kept_written_time(const fs::path& path, const SYSTEMTIME& utc) {
  FILETIME wanted;
  FILETIME written;
  if (!SystemTimeToFileTime(&utc, &wanted)) return false;
  const HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool read = GetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
  return read && CompareFileTime(&wanted, &written) == 0;
}

// A file time reaches the year 30827 on Windows; past 9999 it is a failure
// that names the file and the year, not a date in another year. Under Wine
// the file lies on the host's file system, which may clamp the time (ext4
// stops at 2446); its /dev/shm (tmpfs) keeps it.
TEST_F(Win32Folder, AFileTimePastTheYear9999IsAFailure) {
  const SYSTEMTIME year_12345{12345, 6, 0, 15, 12, 0, 0, 0};
  fs::path file;
  for (const fs::path& folder : {root_, fs::path("Z:\\dev\\shm")}) {
    std::error_code ignored;
    if (!fs::is_directory(folder, ignored)) continue;
    const fs::path candidate = folder / ("mj_far_" + std::to_string(GetCurrentProcessId()));
    touch(candidate);
    set_written_time(candidate, year_12345);
    if (kept_written_time(candidate, year_12345)) {
      file = candidate;
      break;
    }
    fs::remove(candidate, ignored);
  }
  if (file.empty()) GTEST_SKIP() << "no file system here keeps a time in the year 12345";

  const result<wall_time> read = last_modified(file);
  EXPECT_EQ(mj::testing::failure_code_of(read), failure_code::invalid_argument);
  if (!read.ok()) {
    EXPECT_NE(read.error().description.find(file.string()), std::string::npos);
    EXPECT_NE(read.error().description.find("in the year 12345"), std::string::npos);
  }
  fs::remove(file);
  EXPECT_EQ(mj::testing::failure_code_of(last_modified(root_ / "missing.txt")),
            failure_code::not_found);
}

TEST(Win32CapsuleRoot, TakesTheDriveOfTheSystemDirectory) {
  const capsule_location root = resolve_capsule_root("");
  ASSERT_EQ(root.drive.size(), 2u);
  EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(root.drive[0])));
  EXPECT_EQ(root.drive[1], ':');
  EXPECT_EQ(root.root_path, "\\Morrowjar\\");
  EXPECT_NE(GetDriveTypeA((root.drive + "\\").c_str()), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
  const capsule_location folder = resolve_capsule_root("XY");
  EXPECT_EQ(folder.drive, root.drive);
  EXPECT_EQ(folder.root_path, "XY\\");
}

void send_insert(bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_INSERT;
  input.ki.dwFlags = KEYEVENTF_EXTENDEDKEY | (down ? 0 : KEYEVENTF_KEYUP);
  ASSERT_EQ(SendInput(1, &input, sizeof input), 1u);
}

TEST(Win32KeyState, ReadsTheInsertKeyHeldNow) {
  EXPECT_FALSE(insert_key_down());
  send_insert(true);
  const bool down = insert_key_down();
  send_insert(false);
  EXPECT_TRUE(down);
  EXPECT_FALSE(insert_key_down());
}

// Opening a batch file runs it: it writes its current folder, which must be
// the working folder given, into a file there.
TEST_F(Win32Folder, OpensAFileInTheGivenWorkingFolder) {
  const fs::path script = root_ / "open me.bat";
  std::ofstream(script) << "@cd > seen.txt\r\n";
  const fs::path working = root_ / "work";
  fs::create_directory(working);
  EXPECT_EQ(mj::testing::failure_code_of(open_with_desktop(script.string(), working.string())),
            std::nullopt);
  const fs::path seen = working / "seen.txt";
  for (int i = 0; i < 200 && !fs::exists(seen); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_TRUE(fs::exists(seen));
  EXPECT_FALSE(fs::exists(root_ / "seen.txt"));
}

// A file the shell cannot open is a failure that names it as Windows writes
// it (single backslashes), with the reason in the system's words.
TEST_F(Win32Folder, AFileTheShellCannotOpenIsAFailure) {
  const std::string missing = (root_ / "missing.txt").string();
  const result<void> handed = open_with_desktop(missing, root_.string());
  ASSERT_FALSE(handed.ok());
  const failure* f = &handed.error();
  EXPECT_EQ(f->code, failure_code::path_access);
  const std::string prefix = missing + " (";
  EXPECT_EQ(f->description.rfind(prefix, 0), 0u) << f->description;
  // The reason in words follows, closed by ")".
  EXPECT_GT(f->description.size(), prefix.size() + 1) << f->description;
  EXPECT_EQ(f->description.back(), ')') << f->description;
}

}  // namespace
}  // namespace mj::platform

#endif  // _WIN32
