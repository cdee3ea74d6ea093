// SPDX-License-Identifier: MIT
#include "writer/capsule_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include "writer/writer_test_support.h"

namespace mj::writer {
namespace {

namespace fs = std::filesystem;
using namespace Qt::StringLiterals;
using testing::capsule_folder;
using testing::files_in;
using testing::read_all;

const QDateTime kStoredAt(QDate(1998, 12, 15), QTime(21, 4, 5));

std::string text_of(const failure& f) { return f.description; }

// The path a store gave, or the failure's words in its place.
QString path_of(const result<stored_message>& r) {
  return r.ok() ? r->file_path : u"failed: "_s + QString::fromStdString(r.error().description);
}

class StoreMessage : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.valid()); }

  // The capsule root lies one level below the temporary folder, so tests see
  // it created.
  QString root() const { return folder_.path(u"Morrowjar/"_s); }

  result<stored_message> store(const QString& schedule, const QString& text,
                               const store_hooks& hooks = {}) {
    return store_message({root(), schedule, text}, kStoredAt, hooks);
  }

  capsule_folder folder_;
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
    const QString expected = root() + u"TOMORROW/"_s + QString::fromUtf8(c.file);
    EXPECT_EQ(path_of(store(u"TOMORROW"_s, c.text)).toStdString(), expected.toStdString());
    EXPECT_EQ(read_all(expected), c.content);
  }
}

TEST_F(StoreMessage, AnEmptyMessageCreatesNothing) {
  const result<stored_message> r = store(u"TOMORROW"_s, QString());
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r->outcome, store_outcome::empty_message);
  EXPECT_FALSE(QFileInfo::exists(root()));
}

TEST_F(StoreMessage, AnEmptyScheduleStoresInTheCapsuleRoot) {
  EXPECT_EQ(path_of(store(QString(), u"every run"_s)), root() + u"every run.txt"_s);
  EXPECT_EQ(files_in(root()), QStringList{u"every run.txt"_s});
  EXPECT_EQ(path_of(store(u"TOMORROW/"_s, u"slash"_s)), root() + u"TOMORROW/slash.txt"_s);
  EXPECT_EQ(files_in(root() + u"TOMORROW"_s), QStringList{u"slash.txt"_s});
}

TEST_F(StoreMessage, NeverReplacesAStoredMessage) {
  for (const QString& text : {u"note"_s, u"note."_s, u"note?"_s})
    ASSERT_TRUE(store(u"TOMORROW"_s, text).ok());
  const QString folder = root() + u"TOMORROW/"_s;
  EXPECT_EQ(files_in(folder), (QStringList{u"note (2).txt"_s, u"note (3).txt"_s, u"note.txt"_s}));
  EXPECT_EQ(read_all(folder + u"note.txt"_s), "note\n");
  EXPECT_EQ(read_all(folder + u"note (2).txt"_s), "note.\n");
  EXPECT_EQ(read_all(folder + u"note (3).txt"_s), "note?\n");
}

TEST_F(StoreMessage, ADanglingLinkKeepsItsName) {
  fs::create_directories(root().toStdString() + "TOMORROW");
  fs::create_symlink("/nonexistent/target", root().toStdString() + "TOMORROW/note.txt");
  EXPECT_EQ(path_of(store(u"TOMORROW"_s, u"note"_s)), root() + u"TOMORROW/note (2).txt"_s);
  EXPECT_TRUE(fs::is_symlink(root().toStdString() + "TOMORROW/note.txt"));
}

TEST_F(StoreMessage, AMessageWithoutANameIsStoredUnderItsMoment) {
  EXPECT_EQ(path_of(store(u"TOMORROW"_s, u"...\n"_s)),
            root() + u"TOMORROW/1998-12-15 210405.txt"_s);
  EXPECT_EQ(path_of(store(u"TOMORROW"_s, u"?"_s)),
            root() + u"TOMORROW/1998-12-15 210405 (2).txt"_s);
  EXPECT_EQ(read_all(root() + u"TOMORROW/1998-12-15 210405.txt"_s), "...\n\n");
}

TEST_F(StoreMessage, LongMessagesAreStoredWhole) {
  const QString text = u"x"_s.repeated(40000);
  const QString path = path_of(store(u"YEAR1"_s, text));
  EXPECT_EQ(path, root() + u"YEAR1/"_s + u"x"_s.repeated(100) + u".txt"_s);
  EXPECT_EQ(read_all(path).size(), 40001);
}

TEST_F(StoreMessage, NamesAtTheLimitAreTakenByTheFileSystem) {
  const QString text = u"あ"_s.repeated(200);
  const QString first = path_of(store(u"TOMORROW"_s, text));
  const QString second = path_of(store(u"TOMORROW"_s, text));
  EXPECT_EQ(QFileInfo(first).fileName().toUtf8().size(), 253) << first.toStdString();
  EXPECT_TRUE(QFileInfo(second).fileName().endsWith(u"あ (2).txt"_s)) << second.toStdString();
  EXPECT_EQ(read_all(second), (text + u'\n').toUtf8());
}

// One failure, one description: what failed and where, and nothing stored.
TEST_F(StoreMessage, EachObstacleIsOneFailureSayingWhatAndWhere) {
  fs::create_directories(root().toStdString());
  std::ofstream(root().toStdString() + "TOMORROW") << "not a folder";
  struct Case {
    const char* name;
    QString schedule;
    QString failure;
  };
  const Case kCases[] = {
      {"a file in place of the folder", u"TOMORROW"_s,
       root() + u"TOMORROW is a file, not a folder, so the message cannot be stored there."_s},
      {"a folder whose parent is missing: only one level is made", u"no/such/folder"_s,
       u"Cannot create the schedule folder "_s + root() +
           u"no/such/folder: No such file or directory"_s},
      {"a NUL in the name", u"TOMORROW"_s + QChar(0) + u"x"_s,
       u"A schedule name cannot hold a NUL character: remove it from the schedule box."_s},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(path_of(store(c.schedule, u"note"_s)).toStdString(),
              (u"failed: "_s + c.failure).toStdString());
  }
  EXPECT_FALSE(QFileInfo::exists(root() + u"no"_s));
  EXPECT_EQ(files_in(root()), QStringList{u"TOMORROW"_s});
}

// A full disk, as far as this process can tell: writing past the size limit
// fails with EFBIG. Nothing may be left under the message's name or any other,
// whether the write itself fails (a message larger than the write buffer) or
// only the flush at the end (a short one).
TEST_F(StoreMessage, AFullDiskLeavesNoHalfMessage) {
  ASSERT_TRUE(store(u"TOMORROW"_s, u"first"_s).ok());
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
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto saved_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = c.limit;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString stored = path_of(store(u"TOMORROW"_s, c.text));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, saved_handler);

    EXPECT_TRUE(
        stored.startsWith(u"failed: Cannot store the message in "_s + root() + u"TOMORROW: "_s))
        << stored.toStdString();
    // Neither the message nor its staged copy is left.
    EXPECT_EQ(files_in(root() + u"TOMORROW"_s), QStringList{u"first.txt"_s});
  }
}

TEST(FirstFreeName, CountsOnPastTakenNames) {
  capsule_folder folder;
  ASSERT_TRUE(folder.valid());
  const auto path_from = [&](int from) {
    const result<free_name> r = first_free_name(folder.path(), u"a"_s, from);
    return r.ok() ? r->path : QString::fromStdString(r.error().description);
  };
  EXPECT_EQ(path_from(1), folder.path(u"a.txt"_s));
  for (const char* taken : {"a.txt", "a (2).txt", "a (4).txt"})
    std::ofstream(folder.path().toStdString() + taken) << "x";
  EXPECT_EQ(path_from(1), folder.path(u"a (3).txt"_s));
  EXPECT_EQ(path_from(4), folder.path(u"a (5).txt"_s));
}

// Where every numbered name is taken, the search stops and says so.
TEST(FirstFreeName, StopsAtTheLastNumber) {
  capsule_folder folder;
  ASSERT_TRUE(folder.valid());
  std::ofstream(folder.path().toStdString() + "a.txt") << "x";
  for (int n = 2; n <= kNumberedNameLimit; ++n)
    std::ofstream(folder.path().toStdString() + "a (" + std::to_string(n) + ").txt") << "x";
  const result<free_name> r = first_free_name(folder.path(), u"a"_s);
  ASSERT_FALSE(r.ok()) << r->path.toStdString();
  EXPECT_EQ(text_of(r.error()),
            (u"The folder "_s + folder.path().chopped(1) +
             u" already holds messages named \"a.txt\" up to \"a (10000).txt\": store this one "
             u"under another name or in another folder."_s)
                .toStdString());
}

fs::path native(const QString& path) { return fs::path(path.toStdString()); }

// The schedule folder as the opener takes schedule folders: anything it would
// pass over (a link, a read-only folder) or cannot use (a file) is refused.
TEST(UsableScheduleFolder, JudgesWhatIsThere) {
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
    QString failure;  // empty: usable
  };
  const Case kCases[] = {
      {"plain folder", root.path(u"TOMORROW/"_s), {}},
      {"missing folder is made silently", root.path(u"EVERYDAY/"_s), {}},
      {"hidden folder: the reading warns, storing is allowed", root.path(u".hidden/"_s), {}},
      {"read-only folder", root.path(u"readonly/"_s),
       u"The schedule folder "_s + root.path(u"readonly"_s) +
           u" is read-only. The opener passes over read-only folders, so the message would "
           u"never open: make the folder writable, or choose another schedule name."_s},
      {"a file", root.path(u"afile/"_s),
       root.path(u"afile"_s) +
           u" is a file, not a folder, so the message cannot be stored there."_s},
      {"a link to a folder", root.path(u"link/"_s),
       u"The schedule folder "_s + root.path(u"link"_s) +
           u" is a symbolic link. The opener never opens files in a linked folder, so the "
           u"message is not stored there: choose another schedule name, or put a real folder in "
           u"place of the link."_s},
      {"parent missing: only one level is made", root.path(u"a/b/"_s),
       u"Cannot create the schedule folder "_s + root.path(u"a/b"_s) +
           u": No such file or directory"_s},
      {"a name too long to examine", root.path(u"n"_s.repeated(300) + u'/'),
       u"Cannot examine the schedule folder "_s + root.path(u"n"_s.repeated(300)) +
           u": File name too long"_s},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const result<void> made = usable_schedule_folder(c.folder);
    EXPECT_EQ(made.ok() ? std::string() : made.error().description, c.failure.toStdString());
  }
  EXPECT_TRUE(fs::is_directory(native(root.path(u"EVERYDAY"_s))));
  EXPECT_FALSE(fs::exists(native(root.path(u"a"_s))));
}

TEST(RefusalOfSchedule, KeepsTheMessageInsideTheCapsuleAndNamesReadable) {
  struct Case {
    const char* name;
    QString schedule;
    const char* refusal;  // nullptr: allowed
  };
  const Case kCases[] = {
      {"plain", u"TOMORROW"_s, nullptr},
      {"a final slash means the folder", u"TOMORROW/"_s, nullptr},
      {"the capsule root", QString(), nullptr},
      {"spaces around", u" every month "_s, nullptr},
      {"dots inside a name", u"a..b"_s, nullptr},
      {"three dots", u"..."_s, nullptr},
      {"a deeper folder", u"a/b"_s, nullptr},
      {"Japanese", u"明日"_s, nullptr},
      {"an emoji", u"\U0001F600"_s, nullptr},
      {"the folder above", u".."_s,
       "A schedule name cannot hold \"..\": it would lead out of the capsule."},
      {"below the folder above", u"../x"_s,
       "A schedule name cannot hold \"..\": it would lead out of the capsule."},
      {"back out from inside", u"a/../../x"_s,
       "A schedule name cannot hold \"..\": it would lead out of the capsule."},
      {"the folder itself", u"."_s, "A schedule name cannot hold \".\" as a folder of its own."},
      {"a dot folder inside", u"a/./b"_s,
       "A schedule name cannot hold \".\" as a folder of its own."},
      {"absolute", u"/etc/x"_s,
       "A schedule name cannot be a full path such as \"/etc/x\": schedule folders lie inside the "
       "capsule."},
      {"the file system's root", u"/"_s,
       "A schedule name cannot be a full path such as \"/\": schedule folders lie inside the "
       "capsule."},
      {"a trailing line feed", u"TOMORROW\n"_s,
       "A schedule name cannot hold a line feed: remove it from the schedule box."},
      {"a leading tab", u"\tTOMORROW"_s,
       "A schedule name cannot hold a tab: remove it from the schedule box."},
      {"a carriage return", u"TOMORROW\r"_s,
       "A schedule name cannot hold a carriage return: remove it from the schedule box."},
      {"an escape", u"\x1b[A"_s,
       "A schedule name cannot hold an escape character: remove it from the schedule box."},
      {"DEL", u"A\x7f"_s,
       "A schedule name cannot hold the control character U+007F: remove it from the schedule "
       "box."},
      {"a C1 control", u"A\u0085"_s,
       "A schedule name cannot hold the control character U+0085: remove it from the schedule "
       "box."},
      {"a line separator", u"A\u2028"_s,
       "A schedule name cannot hold a line separator: remove it from the schedule box."},
      {"a lone surrogate", u"A"_s + QChar(0xDC00),
       "A schedule name cannot hold a broken character (a lone surrogate): type the name again."},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const result<void> refused = refusal_of_schedule(c.schedule);
    EXPECT_EQ(refused.ok() ? std::string("allowed") : refused.error().description,
              c.refusal ? c.refusal : "allowed");
  }
}

// A capsule root that is a link to a folder (a synced folder, say) is that
// folder, without a word; the files land where the link leads.
TEST_F(StoreMessage, ALinkedCapsuleRootIsItsFolder) {
  fs::create_directory(folder_.path(u"real"_s).toStdString());
  fs::create_directory_symlink(folder_.path(u"real"_s).toStdString(),
                               root().chopped(1).toStdString());
  EXPECT_EQ(path_of(store(u"TOMORROW"_s, u"note"_s)), folder_.path(u"real/TOMORROW/note.txt"_s));
  EXPECT_EQ(path_of(store(QString(), u"root"_s)), folder_.path(u"real/root.txt"_s));
  EXPECT_EQ(read_all(folder_.path(u"real/TOMORROW/note.txt"_s)), "note\n");
}

TEST_F(StoreMessage, ACapsuleRootThatIsNoFolderIsOneFailure) {
  std::ofstream(root().chopped(1).toStdString()) << "a file";
  EXPECT_EQ(path_of(store(u"TOMORROW"_s, u"note"_s)),
            u"failed: The capsule root "_s + root().chopped(1) + u" is not a folder."_s);
}

// A name that cannot be checked is a failure naming it, never "taken": near
// the path-length limit every numbered name is too long to look up.
TEST_F(StoreMessage, ANameThatCannotBeCheckedIsAFailureNotAHang) {
  QString deep = root();
  // The folder's path stays below the 4,096 bytes of a path, its file's not.
  while (deep.size() < 4000)
    deep += u"d"_s.repeated(std::min<qsizetype>(200, 4000 - deep.size())) + u'/';
  ASSERT_TRUE(QDir().mkpath(deep));
  const QString schedule = deep.mid(root().size()) + u"TOMORROW"_s;
  const QString stored = path_of(store(schedule, u"x"_s.repeated(250)));
  EXPECT_TRUE(stored.startsWith(u"failed: Cannot check whether the name "_s + deep +
                                u"TOMORROW/"_s + u"x"_s.repeated(100)))
      << stored.toStdString();
  EXPECT_TRUE(stored.endsWith(u" is free: File name too long"_s)) << stored.toStdString();
}

// Runs `step` in a child process as the user nobody when this runs as root
// (root is never denied a search); its exit status, or -1.
template <typename Step>
int in_unprivileged_child(Step step) {
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
    _exit(step() ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST_F(StoreMessage, AFolderWithoutSearchPermissionIsAFailureNotAHang) {
  const QString folder = root() + u"TOMORROW"_s;
  ASSERT_TRUE(QDir().mkpath(folder));
  // Readable and writable, but no name in it can be looked up.
  fs::permissions(folder_.path().toStdString(), fs::perms::all, fs::perm_options::add);
  fs::permissions(root().toStdString(), fs::perms::all, fs::perm_options::add);
  fs::permissions(folder.toStdString(), fs::perms::owner_read | fs::perms::owner_write |
                                            fs::perms::group_read | fs::perms::group_write |
                                            fs::perms::others_read | fs::perms::others_write);
  const QString expected =
      u"Cannot check whether the name "_s + folder + u"/note.txt is free: Permission denied"_s;
  const int status = in_unprivileged_child([&] {
    const result<stored_message> r = store(u"TOMORROW"_s, u"note"_s);
    return !r.ok() && QString::fromStdString(r.error().description) == expected;
  });
  EXPECT_EQ(status, 0) << "expected the failure \"" << expected.toStdString() << "\"";
}

// Leaves a file that another process waits for: it appears whole or not at all.
void signal_with_file(const QString& path, const std::string& content) {
  std::ofstream((path + u".part"_s).toStdString()) << content;
  fs::rename((path + u".part"_s).toStdString(), path.toStdString());
}

bool wait_for_file(const QString& path) {
  for (int i = 0; i < 10000 && !QFileInfo::exists(path); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return QFileInfo::exists(path);
}

// Several processes storing one name at one moment: each paused after
// choosing its name and before taking it, then all let go at once. Each keeps
// its own file, complete.
TEST_F(StoreMessage, ConcurrentStoresOfOneNameKeepEveryMessage) {
  constexpr int kWriters = 4;
  ASSERT_TRUE(QDir().mkpath(root() + u"TOMORROW"_s));
  const QString signals_dir = folder_.path(u"signals/"_s);
  ASSERT_TRUE(QDir().mkpath(signals_dir));
  std::vector<pid_t> writers;
  for (int i = 0; i < kWriters; ++i) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      store_hooks hooks;
      hooks.before_placing = [&](const QString& chosen) {
        signal_with_file(signals_dir + u"chosen-%1"_s.arg(i), chosen.toStdString());
        wait_for_file(signals_dir + u"go"_s);
      };
      const result<stored_message> r = store(u"TOMORROW"_s, u"note"_s, hooks);
      // The message's words make the name; the content tells the writers apart.
      _exit(r.ok() ? 0 : 1);
    }
    writers.push_back(child);
  }
  // Every writer has chosen before any may take its name: the race is certain.
  for (int i = 0; i < kWriters; ++i)
    EXPECT_TRUE(wait_for_file(signals_dir + u"chosen-%1"_s.arg(i)));
  for (int i = 0; i < kWriters; ++i)
    EXPECT_EQ(read_all(signals_dir + u"chosen-%1"_s.arg(i)),
              (root() + u"TOMORROW/note.txt"_s).toUtf8());
  signal_with_file(signals_dir + u"go"_s, "go");
  for (const pid_t child : writers) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(files_in(root() + u"TOMORROW"_s),
            (QStringList{u"note (2).txt"_s, u"note (3).txt"_s, u"note (4).txt"_s, u"note.txt"_s}));
  for (const QString& file : files_in(root() + u"TOMORROW"_s))
    EXPECT_EQ(read_all(root() + u"TOMORROW/"_s + file), "note\n");
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
