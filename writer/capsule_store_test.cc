#include "writer/capsule_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "writer/writer_test_support.h"

namespace mj::writer {
namespace {

namespace fs = std::filesystem;
using namespace Qt::StringLiterals;
using testing::capsule_folder;
using testing::files_in;
using testing::read_all;

const QDateTime kStoredAt(QDate(1998, 12, 15), QTime(21, 4, 5));

class StoreMessage : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.valid()); }

  // The capsule root lies one level below the temporary folder, so tests see
  // it created.
  QString root() const { return folder_.path(u"Morrowjar/"_s); }

  store_result store(const QString& schedule, const QString& text) {
    return store_message({root(), schedule, text}, kStoredAt, std::ref(shown_));
  }

  capsule_folder folder_;
  testing::recorder shown_;
};

TEST_F(StoreMessage, WritesTheMessageAndOneLineBreakInUtf8) {
  struct Case {
    const char* name;
    QString text;
    const char* file;
    QByteArray content;
  };
  const Case kCases[] = {
      {"one line", u"Meet at 10:30, OK?"_s, "Meet at 1030 OK.txt", "Meet at 10:30, OK?\n"},
      {"two lines", u"line one\nline two"_s, "line oneline two.txt", "line one\nline two\n"},
      {"CR LF becomes the platform's break", u"first\r\nsecond"_s, "firstsecond.txt",
       "first\nsecond\n"},
      {"a final line break is kept", u"ends\n"_s, "ends.txt", "ends\n\n"},
      {"Japanese, no byte-order mark", u"明日の会議。"_s, "明日の会議。.txt",
       QByteArray("\xe6\x98\x8e\xe6\x97\xa5\xe3\x81\xae\xe4\xbc\x9a\xe8\xad\xb0\xe3\x80\x82\n")},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const store_result result = store(u"TOMORROW"_s, c.text);
    EXPECT_EQ(result.outcome, store_outcome::stored);
    const QString expected = root() + u"TOMORROW/"_s + QString::fromUtf8(c.file);
    EXPECT_EQ(result.file_path.toStdString(), expected.toStdString());
    EXPECT_EQ(read_all(expected), c.content);
  }
  EXPECT_TRUE(shown_.shown.isEmpty()) << shown_.shown.join(u'\n').toStdString();
}

TEST_F(StoreMessage, AnEmptyMessageCreatesNothing) {
  EXPECT_EQ(store(u"TOMORROW"_s, QString()).outcome, store_outcome::empty_message);
  EXPECT_FALSE(QFileInfo::exists(root()));
  EXPECT_TRUE(shown_.shown.isEmpty());
}

TEST_F(StoreMessage, AnEmptyScheduleStoresInTheCapsuleRoot) {
  EXPECT_EQ(store(QString(), u"every run"_s).outcome, store_outcome::stored);
  EXPECT_EQ(files_in(root()), QStringList{u"every run.txt"_s});
  EXPECT_EQ(store(u"TOMORROW/"_s, u"slash"_s).outcome, store_outcome::stored);
  EXPECT_EQ(files_in(root() + u"TOMORROW"_s), QStringList{u"slash.txt"_s});
}

TEST_F(StoreMessage, NeverReplacesAStoredMessage) {
  ASSERT_EQ(store(u"TOMORROW"_s, u"note"_s).outcome, store_outcome::stored);
  ASSERT_EQ(store(u"TOMORROW"_s, u"note."_s).outcome, store_outcome::stored);
  ASSERT_EQ(store(u"TOMORROW"_s, u"note?"_s).outcome, store_outcome::stored);
  const QString folder = root() + u"TOMORROW/"_s;
  EXPECT_EQ(files_in(folder), (QStringList{u"note (2).txt"_s, u"note (3).txt"_s, u"note.txt"_s}));
  EXPECT_EQ(read_all(folder + u"note.txt"_s), "note\n");
  EXPECT_EQ(read_all(folder + u"note (2).txt"_s), "note.\n");
  EXPECT_EQ(read_all(folder + u"note (3).txt"_s), "note?\n");
}

TEST_F(StoreMessage, ADanglingLinkKeepsItsName) {
  fs::create_directories(root().toStdString() + "TOMORROW");
  fs::create_symlink("/nonexistent/target", root().toStdString() + "TOMORROW/note.txt");
  EXPECT_EQ(store(u"TOMORROW"_s, u"note"_s).file_path, root() + u"TOMORROW/note (2).txt"_s);
  EXPECT_TRUE(fs::is_symlink(root().toStdString() + "TOMORROW/note.txt"));
}

TEST_F(StoreMessage, AMessageWithoutANameIsStoredUnderItsMoment) {
  EXPECT_EQ(store(u"TOMORROW"_s, u"...\n"_s).file_path,
            root() + u"TOMORROW/1998-12-15 210405.txt"_s);
  EXPECT_EQ(store(u"TOMORROW"_s, u"?"_s).file_path,
            root() + u"TOMORROW/1998-12-15 210405 (2).txt"_s);
  EXPECT_EQ(read_all(root() + u"TOMORROW/1998-12-15 210405.txt"_s), "...\n\n");
}

TEST_F(StoreMessage, LongMessagesAreStoredWhole) {
  const QString text = u"x"_s.repeated(40000);
  const store_result result = store(u"YEAR1"_s, text);
  ASSERT_EQ(result.outcome, store_outcome::stored);
  EXPECT_EQ(result.file_path, root() + u"YEAR1/"_s + u"x"_s.repeated(100) + u".txt"_s);
  EXPECT_EQ(read_all(result.file_path).size(), 40001);
}

TEST_F(StoreMessage, NamesAtTheLimitAreTakenByTheFileSystem) {
  const QString text = u"あ"_s.repeated(200);
  const store_result first = store(u"TOMORROW"_s, text);
  const store_result second = store(u"TOMORROW"_s, text);
  ASSERT_EQ(first.outcome, store_outcome::stored);
  ASSERT_EQ(second.outcome, store_outcome::stored);
  EXPECT_EQ(QFileInfo(first.file_path).fileName().toUtf8().size(), 253);
  EXPECT_TRUE(QFileInfo(second.file_path).fileName().endsWith(u"あ (2).txt"_s));
  EXPECT_EQ(read_all(second.file_path), (text + u'\n').toUtf8());
  EXPECT_TRUE(shown_.shown.isEmpty()) << shown_.shown.join(u'\n').toStdString();
}

TEST_F(StoreMessage, AFileInPlaceOfTheFolderFailsAndSaysSo) {
  fs::create_directories(root().toStdString());
  std::ofstream(root().toStdString() + "TOMORROW") << "not a folder";
  const store_result result = store(u"TOMORROW"_s, u"note"_s);
  EXPECT_EQ(result.outcome, store_outcome::failed);
  ASSERT_EQ(shown_.shown.size(), 2);
  EXPECT_EQ(shown_.shown[0], kDirectoryError);
  EXPECT_TRUE(shown_.shown[1].startsWith(u"Cannot store the message in "_s))
      << shown_.shown[1].toStdString();
}

TEST_F(StoreMessage, AFolderThatCannotBeMadeFailsEachStepInTurn) {
  const store_result result = store(u"no/such/folder"_s, u"note"_s);
  EXPECT_EQ(result.outcome, store_outcome::failed);
  ASSERT_EQ(shown_.shown.size(), 2);
  EXPECT_TRUE(shown_.shown[0].startsWith(u"Cannot create the folder"_s));
  EXPECT_TRUE(shown_.shown[1].startsWith(u"Cannot store the message in"_s));
}

TEST_F(StoreMessage, ANulInTheScheduleNameStoresNothing) {
  EXPECT_EQ(store(u"TOMORROW"_s + QChar(0) + u"x"_s, u"note"_s).outcome, store_outcome::failed);
  EXPECT_EQ(shown_.shown.size(), 1);
  EXPECT_FALSE(QFileInfo::exists(root()));
}

// A full disk, as far as this process can tell: writing past the size limit
// fails with EFBIG. Nothing may be left under the message's name or any other,
// whether the write itself fails (a message larger than the write buffer) or
// only the flush at the end (a short one).
TEST_F(StoreMessage, AFullDiskLeavesNoHalfMessage) {
  ASSERT_EQ(store(u"TOMORROW"_s, u"first"_s).outcome, store_outcome::stored);
  struct Case {
    const char* name;
    rlim_t limit;
    QString text;
  };
  const Case kCases[] = {
      {"larger than the buffer", 4096, u"y"_s.repeated(100000)},
      {"held in the buffer", 0, u"short note"_s},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    shown_.shown.clear();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto saved_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = c.limit;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const store_result result = store(u"TOMORROW"_s, c.text);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, saved_handler);

    EXPECT_EQ(result.outcome, store_outcome::failed);
    ASSERT_EQ(shown_.shown.size(), 1);
    EXPECT_TRUE(shown_.shown[0].startsWith(u"Cannot store the message in"_s));
    EXPECT_EQ(files_in(root() + u"TOMORROW"_s), QStringList{u"first.txt"_s});
  }
}

TEST(FirstFreeFilePath, CountsOnPastTakenNames) {
  testing::capsule_folder folder;
  ASSERT_TRUE(folder.valid());
  EXPECT_EQ(first_free_file_path(folder.path(), u"a"_s), folder.path(u"a.txt"_s));
  for (const char* taken : {"a.txt", "a (2).txt", "a (4).txt"})
    std::ofstream(folder.path().toStdString() + taken) << "x";
  EXPECT_EQ(first_free_file_path(folder.path(), u"a"_s), folder.path(u"a (3).txt"_s));
}

fs::path native(const QString& path) { return fs::path(path.toStdString()); }

TEST(FolderCheck, JudgesWhatIsThereByItsAttributeWord) {
  capsule_folder root;
  ASSERT_TRUE(root.valid());
  fs::create_directory(native(root.path(u"TOMORROW"_s)));
  fs::create_directory(native(root.path(u"readonly"_s)));
  fs::permissions(native(root.path(u"readonly"_s)), fs::perms::owner_write,
                  fs::perm_options::remove);
  fs::create_directory(native(root.path(u".hidden"_s)));
  std::ofstream(native(root.path(u"afile"_s))) << "x";
  fs::create_directory_symlink(native(root.path(u"TOMORROW"_s)), native(root.path(u"link"_s)));

  struct Case {
    const char* name;
    QString folder;
    folder_state state;
    QStringList shown;
  };
  const QString kTooLong = u"n"_s.repeated(300);
  const Case kCases[] = {
      {"plain folder", root.path(u"TOMORROW/"_s), folder_state::ready, {}},
      {"missing folder is made silently", root.path(u"EVERYDAY/"_s), folder_state::created, {}},
      {"read-only folder",
       root.path(u"readonly/"_s),
       folder_state::directory_error,
       {kDirectoryError}},
      {"hidden folder", root.path(u".hidden/"_s), folder_state::directory_error, {kDirectoryError}},
      {"a file", root.path(u"afile/"_s), folder_state::directory_error, {kDirectoryError}},
      {"a link to a folder",
       root.path(u"link/"_s),
       folder_state::directory_error,
       {kDirectoryError}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    testing::recorder shown;
    EXPECT_EQ(check_folder(c.folder, std::ref(shown)), c.state);
    EXPECT_EQ(shown.shown, c.shown);
  }
  EXPECT_TRUE(fs::is_directory(native(root.path(u"EVERYDAY"_s))));
}

TEST(FolderCheck, ReportsWhatCannotBeExaminedOrMade) {
  capsule_folder root;
  ASSERT_TRUE(root.valid());
  {
    SCOPED_TRACE("parent missing: only one level is made");
    testing::recorder shown;
    EXPECT_EQ(check_folder(root.path(u"a/b/"_s), std::ref(shown)), folder_state::failed);
    ASSERT_EQ(shown.shown.size(), 1);
    EXPECT_TRUE(shown.shown[0].startsWith(u"Cannot create the folder "_s + root.path(u"a/b/"_s)));
    EXPECT_FALSE(fs::exists(native(root.path(u"a"_s))));
  }
  {
    SCOPED_TRACE("name too long to examine: the reason, then directory error");
    testing::recorder shown;
    EXPECT_EQ(check_folder(root.path(u"n"_s.repeated(300) + u'/'), std::ref(shown)),
              folder_state::directory_error);
    ASSERT_EQ(shown.shown.size(), 2);
    EXPECT_TRUE(shown.shown[0].contains(u"access error"_s));
    EXPECT_EQ(shown.shown[1], kDirectoryError);
  }
}

TEST(ScheduleFolderPath, AppendsTheScheduleTextAsTyped) {
  struct Case {
    const char* schedule;
    const char* folder;
  };
  const Case kCases[] = {
      {"TOMORROW", "/home/a/Morrowjar/TOMORROW/"},
      {"TOMORROW/", "/home/a/Morrowjar/TOMORROW/"},
      {"", "/home/a/Morrowjar/"},
      {" every month ", "/home/a/Morrowjar/ every month /"},
      {"98-12-", "/home/a/Morrowjar/98-12-/"},
      {"a/b", "/home/a/Morrowjar/a/b/"},
      // A backslash is an ordinary character in POSIX names (these tests
      // run on POSIX systems only).
      {"TOMORROW\\", "/home/a/Morrowjar/TOMORROW\\/"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.schedule);
    EXPECT_EQ(
        schedule_folder_path(u"/home/a/Morrowjar/"_s, QString::fromUtf8(c.schedule)).toStdString(),
        c.folder);
  }
}

TEST(NativePath, DropsFinalSeparatorsOnly) {
  EXPECT_EQ(to_native_path(u"/caps/TOMORROW//"_s), std::filesystem::path("/caps/TOMORROW"));
  EXPECT_EQ(to_native_path(u"/"_s), std::filesystem::path("/"));
  EXPECT_EQ(to_native_path(u"/caps/明日"_s), std::filesystem::path("/caps/明日"));
}

}  // namespace
}  // namespace mj::writer
