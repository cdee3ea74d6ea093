// SPDX-License-Identifier: MIT
// The help's layout: display widths, line breaking in English and Japanese,
// and the columns of the option list.
#include "platform/command_line_help.h"

#include <gtest/gtest.h>

namespace mj::platform {
namespace {

TEST(DisplayWidth, CountsWideCharactersTwiceAndMarksNotAtAll) {
  const struct {
    const char* text;
    int width;
  } kCases[] = {
      {"", 0},           {"--help", 6}, {"日本語", 6}, {"カプセル (既定は ~/Morrowjar)。", 31},
      {"ｶﾌﾟｾﾙ", 5},       // half-width katakana: one column each
      {"ＡＢ", 4},        // full-width Latin letters
      {"e\u0301", 1},     // a combining accent adds nothing
      {"\U0001F600", 2},  // an emoji outside the basic plane
      {"한국어", 6},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(display_width(QString::fromUtf8(c.text)), c.width) << c.text;
}

TEST(Wrapped, BreaksAtTheAllowedPlacesWithinTheWidth) {
  const struct {
    const char* text;
    int width;
    QStringList lines;
  } kCases[] = {
      {"one two three", 7, {"one two", "three"}},
      {"one two three", 80, {"one two three"}},
      {"first\nsecond line", 6, {"first", "second", "line"}},
      {"unbreakable-word-longer-than-the-line",
       10,
       {"unbreakable-", "word-", "longer-", "than-the-", "line"}},
      // Japanese breaks between characters, never before "。" or "、".
      {"今日が期日の予定フォルダーのファイルを開きます。",
       20,
       {"今日が期日の予定フォ", "ルダーのファイルを開", "きます。"}},
      {"日本語、日本語、日本語", 8, {"日本語、", "日本語、", "日本語"}},
  };
  for (const auto& c : kCases) {
    const QStringList lines = wrapped(QString::fromUtf8(c.text), c.width);
    EXPECT_EQ(lines, c.lines) << c.text << " -> " << lines.join(u'|').toStdString();
  }
}

TEST(HelpText, KeepsEveryLineWithinTheWidthInBothScripts) {
  command_line_help help;
  help.program = QStringLiteral("m_jar");
  help.description = QString::fromUtf8("今日が期日の予定フォルダーのファイルを開きます。");
  help.help_all = help.version = help.short_version = true;
  help.options = {
      QCommandLineOption(QStringLiteral("explain"),
                         QString::fromUtf8("フォルダー名 NAME の読み方と、開く日かどうかを表示し、"
                                           "問題があればそれも表示します。")),
      QCommandLineOption(QStringLiteral("today"),
                         QStringLiteral("Judge as on this day instead of today, a "
                                        "day of the years 100 to 9999."),
                         QStringLiteral("YYYY-MM-DD"))};
  help.arguments = {{QStringLiteral("[DAYS]"), QStringLiteral("DAYS"),
                     QString::fromUtf8("--upcoming: 日数、1 から 3660 まで (数字のみ)。")}};
  for (const int width : {80, 60}) {
    const QString text = help_text(help, width);
    for (const QString& line : text.split(u'\n'))
      EXPECT_LE(display_width(line), width) << line.toStdString();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Usage: m_jar [options] [DAYS]\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n  -v, --version")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n  --today <YYYY-MM-DD>")));
    // The descriptions of both lists start in one column.
    const qsizetype today = text.indexOf(QStringLiteral("--today"));
    const qsizetype judge = text.indexOf(QStringLiteral("Judge"));
    const qsizetype line_start = text.lastIndexOf(u'\n', today) + 1;
    const qsizetype days_line = text.indexOf(QStringLiteral("\n  DAYS")) + 1;
    const qsizetype days_description = text.indexOf(QStringLiteral("--upcoming:"), days_line);
    EXPECT_EQ(judge - line_start, days_description - days_line) << text.toStdString();
  }
}

}  // namespace
}  // namespace mj::platform
