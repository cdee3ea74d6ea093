// SPDX-License-Identifier: MIT
#include "opener/tool_options.h"

#include <gtest/gtest.h>

namespace mj::opener {
namespace {

const date kNow = *parse_iso_date("2026-12-07");

tool_options parse(QStringList args) {
  args.prepend("m_jar");
  return tool_options_parser().parse(args, kNow);
}

TEST(ToolMode, AFirstArgumentStartingWithADashSelectsIt) {
  struct Case {
    QStringList arguments;
    bool tool_mode;
  };
  const Case kCases[] = {
      {{"m_jar"}, false},
      {{"m_jar", "30", "-x"}, false},
      {{"--explain"}, false},                 // the program name itself does not count
      {{"m_jar", "5", "--old-caps"}, false},  // a classic run with the location "--old-caps"
      {{"m_jar", "./-x"}, false},
      {{"m_jar", "-h"}, true},
      {{"m_jar", "-v"}, true},
      {{"m_jar", "--help-all"}, true},
      {{"m_jar", "--dry-run", "5"}, true},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    EXPECT_EQ(is_tool_mode(c.arguments), c.tool_mode);
  }
}

TEST(ToolOptions, ReadsExplainWithItsDefaults) {
  const tool_options o = parse({"--explain", "TOMORROW"});
  EXPECT_EQ(o.what, tool_options::action::explain);
  EXPECT_EQ(o.name, "TOMORROW");
  EXPECT_EQ(o.today, kNow);
  EXPECT_EQ(o.missed_days, 0);
  EXPECT_FALSE(o.json);

  const tool_options full =
      parse({"--explain", "--today", "1998-12-16", "--missed-days=4", "--json", "Sunday@2=3+-"});
  EXPECT_EQ(full.what, tool_options::action::explain);
  EXPECT_EQ(full.name, "Sunday@2=3+-");
  EXPECT_EQ(full.today, *parse_iso_date("1998-12-16"));
  EXPECT_EQ(full.missed_days, 4);
  EXPECT_TRUE(full.json);
}

TEST(ToolOptions, BadArgumentsAreOneLineErrors) {
  const QStringList kBad[] = {
      {"--explain"},
      {"--explain", "A", "B"},
      {"--explain", "--today", "1998-02-30", "A"},
      {"--explain", "--today", "yesterday", "A"},
      {"--explain", "--missed-days", "x", "A"},
      {"--explain", "--frobnicate", "A"},
      {"--json", "A"},
      {"--explain", "--dry-run", "A"},
      {"--explain", "--prev", "1998-12-15", "A"},
      {"--dry-run", "--missed-days", "3"},
      {"--dry-run", "--prev", "1998/12/15"},
      {"--dry-run", "/a", "/b"},
      {"--next"},
      {"--next", "A", "--count", "0"},
      {"--next", "A", "--count", "x"},
      {"--next", "A", "--missed-days", "2"},
      {"--explain", "A", "--count", "2"},
      {"--next", "A", "--served-through", "2026/12/07"},
      {"--dry-run", "--served-through", "2026-12-07"},
      {"--next", "--explain", "A"},
      {"--upcoming", "0"},
      {"--upcoming", "3661"},
      {"--upcoming", "30", "/a", "/b"},
      {"--upcoming", "/a", "30"},
      {"--upcoming", "--prev", "1998-12-15"},
      {"--upcoming", "--dry-run"},
      {"--dry-run", "--ics"},
      {"--explain", "A", "--ics"},
      {"--upcoming", "--ics", "--json"},
  };
  for (const QStringList& args : kBad) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const tool_options o = parse(args);
    EXPECT_EQ(o.what, tool_options::action::error);
    EXPECT_FALSE(o.error.empty());
    EXPECT_EQ(o.error.find('\n'), std::string::npos);
  }
}

TEST(ToolOptions, HelpAndVersion) {
  for (const char* help : {"--help", "-h", "--help-all"})
    EXPECT_EQ(parse({help}).what, tool_options::action::help) << help;
  for (const char* version : {"--version", "-v"})
    EXPECT_EQ(parse({version}).what, tool_options::action::version) << version;
}

TEST(ToolOptions, HelpWinsWhereverItStandsAmongTheOptions) {
  struct Case {
    QStringList arguments;
    bool help;
  };
  const Case kCases[] = {
      {{"--watch", "--help"}, true},
      {{"--watch", "--quiet", "5", "/caps", "-h"}, true},
      {{"--explain", "SUNDAY", "--help-all"}, true},
      {{"--dry-run", "--bogus", "--help"}, true},  // a wrong option does not hide it
      {{"--next", "--today", "nonsense", "-h"}, true},
      {{"--explain", "--", "--help"}, false},  // after "--": a folder named --help
      {{"--watch", "/caps/--help-x"}, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    QStringList with_program = c.arguments;
    with_program.prepend("m_jar");
    EXPECT_EQ(is_watch_mode(with_program), !c.help && c.arguments.front() == "--watch");
    EXPECT_EQ(parse(c.arguments).what == tool_options::action::help, c.help);
  }
}

TEST(ToolOptions, TheUsageShowsThePlainRunAndEachFormOnALineOfItsOwn) {
  const QStringList lines = tool_options_parser().help_text().split('\n');
  ASSERT_GE(lines.size(), 7);
  EXPECT_EQ(lines[0], "Usage: m_jar [DELAY][LOCATION]");
  // Each form starts a line under the first; a form too long for 80
  // columns goes on in lines two columns further in.
  QStringList forms;
  for (qsizetype i = 1; i < lines.size() && lines[i].startsWith("       "); ++i) {
    if (lines[i].startsWith("         "))
      forms.back() += ' ' + lines[i].trimmed();
    else
      forms << lines[i].trimmed();
  }
  const char* starts[] = {"--explain NAME",
                          "--next NAME",
                          "--dry-run ",
                          "--upcoming [DAYS]",
                          "--watch [--quiet] [DELAY][LOCATION]",
                          "--help"};
  ASSERT_EQ(forms.size(), 6) << forms.join('\n').toStdString();
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(starts[i]);
    EXPECT_TRUE(forms[i].startsWith("m_jar " + QString(starts[i]))) << forms[i].toStdString();
  }
  EXPECT_TRUE(forms[1].contains("--served-through YYYY-MM-DD")) << forms[1].toStdString();
  EXPECT_TRUE(forms[3].contains("--json | --ics")) << forms[3].toStdString();
  // No line asks for NAME in a plain run.
  EXPECT_FALSE(tool_options_parser().help_text().contains("[options] NAME"));
}

TEST(ToolOptions, WatchTakesTheClassicCommandLineAfterIt) {
  struct Case {
    QStringList arguments;
    bool quiet;
    const char* command_line;
  };
  const Case kCases[] = {
      {{"--watch"}, false, ""},
      {{"--watch", "5"}, false, "5"},
      {{"--watch", "--quiet", "5", "/srv/caps"}, true, "5 /srv/caps"},
      {{"--quiet", "--watch", "--odd"}, true, "--odd"},
      {{"--watch", "0", "--today", "x"}, false, "0 --today x"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const tool_options o = parse(c.arguments);
    EXPECT_EQ(o.what, tool_options::action::watch);
    EXPECT_EQ(o.quiet, c.quiet);
    EXPECT_EQ(o.command_line, c.command_line);
    // m_jar starts the program with windows that --watch needs by this test.
    EXPECT_TRUE(is_watch_mode(QStringList{"m_jar"} + c.arguments));
  }
  for (const QStringList& not_watch : {QStringList{"--explain", "A", "--watch"},
                                       QStringList{"--quiet"}, QStringList{"--quiet", "5"}}) {
    SCOPED_TRACE(not_watch.join(' ').toStdString());
    EXPECT_EQ(parse(not_watch).what, tool_options::action::error);
    EXPECT_FALSE(is_watch_mode(QStringList{"m_jar"} + not_watch));
  }
}

TEST(ToolOptions, ReadsNextWithItsDefaults) {
  const tool_options plain = parse({"--next", "12-25"});
  EXPECT_EQ(plain.what, tool_options::action::next);
  EXPECT_EQ(plain.name, "12-25");
  EXPECT_EQ(plain.count, 3);
  EXPECT_FALSE(plain.today_given);
  EXPECT_EQ(plain.served_through, std::nullopt);

  const tool_options full =
      parse({"--next", "--today", "2026-12-07", "--count", "5", "--json", "E"});
  EXPECT_EQ(full.what, tool_options::action::next);
  EXPECT_EQ(full.count, 5);
  EXPECT_TRUE(full.today_given);
  EXPECT_TRUE(full.json);

  const tool_options served = parse({"--next", "--served-through", "2026-12-07", "E"});
  EXPECT_EQ(served.served_through, parse_iso_date("2026-12-07"));
}

TEST(ToolOptions, ReadsDryRunWithItsDefaults) {
  const tool_options plain = parse({"--dry-run"});
  EXPECT_EQ(plain.what, tool_options::action::dry_run);
  EXPECT_EQ(plain.location, "");
  EXPECT_EQ(plain.prev, std::nullopt);  // the stored prev_date is used
  EXPECT_EQ(plain.today, kNow);

  const tool_options full =
      parse({"--dry-run", "--today", "1998-12-16", "--prev", "1998-12-13", "--json", "/srv/caps"});
  EXPECT_EQ(full.what, tool_options::action::dry_run);
  EXPECT_EQ(full.location, "/srv/caps");
  EXPECT_EQ(full.prev, parse_iso_date("1998-12-13"));
  EXPECT_EQ(full.today, *parse_iso_date("1998-12-16"));
  EXPECT_TRUE(full.json);
}

TEST(ToolOptions, ReadsUpcomingDaysAndLocation) {
  struct Case {
    QStringList arguments;
    int days;
    const char* location;
    bool ics = false;
  };
  const Case kCases[] = {
      {{"--upcoming"}, 30, ""},
      {{"--upcoming", "7", "/srv/caps"}, 7, "/srv/caps"},
      {{"--upcoming", "./365"}, 30, "./365"},  // a capsule root named with digits
      {{"--upcoming", "--json", "--today", "1998-12-16", "3660", "caps"}, 3660, "caps"},
      {{"--upcoming", "90", "--ics", "caps"}, 90, "caps", true},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const tool_options o = parse(c.arguments);
    ASSERT_EQ(o.what, tool_options::action::upcoming) << o.error;
    EXPECT_EQ(o.days, c.days);
    EXPECT_EQ(o.location, c.location);
    EXPECT_EQ(o.ics, c.ics);
  }
}

}  // namespace
}  // namespace mj::opener
