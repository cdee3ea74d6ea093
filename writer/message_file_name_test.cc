// SPDX-License-Identifier: MIT
#include "writer/message_file_name.h"

#include <gtest/gtest.h>

namespace mj::writer {
namespace {

using namespace Qt::StringLiterals;

std::string utf8(const QString& text) { return text.toStdString(); }

QString repeated(const QString& piece, int times) { return piece.repeated(times); }

TEST(FileNameRule, DropsRefusedCharactersAndKeepsTheRest) {
  struct Case {
    const char* name;
    QString message;
    QString file_name;
  };
  const Case kCases[] = {
      {"punctuation of paths and wildcards", u"Meet at 10:30, OK?"_s, u"Meet at 1030 OK"_s},
      {"all fourteen refused", u"a\\/;:,.*?<>|\"\n\rb"_s, u"ab"_s},
      {"lines run together", u"line one\nline two"_s, u"line oneline two"_s},
      {"control characters", u"a\tb"_s + QChar(0) + u"c\x1f"_s + QChar(127) + u"d"_s, u"abcd"_s},
      {"full-width forms stay", u"１０：３０／ＯＫ？"_s, u"１０：３０／ＯＫ？"_s},
      {"ideographic punctuation stays", u"明日、会議。"_s, u"明日、会議。"_s},
      {"spaces, case and digits stay", u" Ab 9 "_s, u" Ab 9 "_s},
      {"only refused characters", u"...\n\n"_s, QString()},
      {"empty message", QString(), QString()},
      {"a lone surrogate is no character", u"a"_s + QChar(0xD800) + u"b"_s, u"ab"_s},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(utf8(file_name_from_message(c.message)), utf8(c.file_name));
  }
}

TEST(FileNameRule, KeepsTheFirstHundredCharactersThatFit) {
  struct Case {
    const char* name;
    QString message;
    QString file_name;
  };
  const QString kAccented = u"e\u0301"_s;  // two code points, one character
  const Case kCases[] = {
      {"150 ASCII letters", repeated(u"x"_s, 150), repeated(u"x"_s, 100)},
      {"refused characters do not count", u"."_s + repeated(u"y"_s, 120), repeated(u"y"_s, 100)},
      {"exactly 100", repeated(u"z"_s, 100), repeated(u"z"_s, 100)},
      // 3 bytes a character: 83 characters are 249 bytes, 84 would not fit with ".txt".
      {"Japanese", repeated(u"あ"_s, 100), repeated(u"あ"_s, 83)},
      // 4 bytes each, never split between the two halves of a surrogate pair.
      {"emoji", repeated(u"😀"_s, 100), repeated(u"😀"_s, 62)},
      // Counted as characters, not code points: 60 of them are 120 code units.
      {"accented letters count once", repeated(kAccented, 60), repeated(kAccented, 60)},
      // 3 bytes each: 83 whole letters with their accents.
      {"accents are not cut off", repeated(kAccented, 100), repeated(kAccented, 83)},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const QString name = file_name_from_message(c.message);
    EXPECT_EQ(utf8(name), utf8(c.file_name));
    EXPECT_TRUE(fits_file_system(name));
  }
}

TEST(FileNameRule, FitsTheLimitOfTheFileSystem) {
  EXPECT_TRUE(fits_file_system(repeated(u"a"_s, 251)));
  EXPECT_FALSE(fits_file_system(repeated(u"a"_s, 252)));
  EXPECT_FALSE(fits_file_system(repeated(u"あ"_s, 84)));
}

TEST(NumberedFileName, AddsTheNumberAndStillFits) {
  struct Case {
    const char* name;
    QString base;
    int n;
    QString file_name;
  };
  const Case kCases[] = {
      {"first message keeps its name", u"Note"_s, 1, u"Note"_s},
      {"second", u"Note"_s, 2, u"Note (2)"_s},
      {"tenth", u"Note"_s, 10, u"Note (10)"_s},
      {"full-length ASCII name is shortened", repeated(u"a"_s, 251), 2,
       repeated(u"a"_s, 247) + u" (2)"_s},
      {"full-length Japanese name loses one character", repeated(u"あ"_s, 83), 10,
       repeated(u"あ"_s, 82) + u" (10)"_s},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const QString name = numbered_file_name(c.base, c.n);
    EXPECT_EQ(utf8(name), utf8(c.file_name));
    EXPECT_TRUE(fits_file_system(name));
  }
}

TEST(DateTimeFileName, IsTheMomentOfStoring) {
  EXPECT_EQ(utf8(date_time_file_name(QDateTime(QDate(1998, 12, 15), QTime(9, 5, 7)))),
            "1998-12-15 090507");
  EXPECT_EQ(utf8(date_time_file_name(QDateTime(QDate(2000, 1, 1), QTime(23, 59, 59)))),
            "2000-01-01 235959");
}

}  // namespace
}  // namespace mj::writer
