#include "writer/folder_check.h"

#include <gtest/gtest.h>

#include <fstream>

#include "writer/writer_test_support.h"

namespace mj::writer {
namespace {

namespace fs = std::filesystem;
using namespace Qt::StringLiterals;
using testing::capsule_folder;

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
    EXPECT_TRUE(shown.shown[0].contains(u"File name too long"_s)) << shown.shown[0].toStdString();
    EXPECT_EQ(shown.shown[1], kDirectoryError);
  }
}

}  // namespace
}  // namespace mj::writer
