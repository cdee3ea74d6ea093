#include "opener/tool_options.h"

#include <gtest/gtest.h>

namespace mj {
namespace {

const date kNow = *parse_iso_date("2026-12-07");

tool_options parse(QStringList args) {
  args.prepend("m_jar");
  return tool_options_parser().parse(args, kNow);
}

TEST(ToolMode, OnlyArgumentsStartingWithTwoDashesSelectIt) {
  EXPECT_FALSE(is_tool_mode({"m_jar"}));
  EXPECT_FALSE(is_tool_mode({"m_jar", "30", "-x"}));
  EXPECT_FALSE(is_tool_mode({"--explain"}));  // the program name itself does not count
  EXPECT_TRUE(is_tool_mode({"m_jar", "5", "--json"}));
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
  EXPECT_EQ(parse({"--help"}).what, tool_options::action::help);
  EXPECT_EQ(parse({"--version"}).what, tool_options::action::version);
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

}  // namespace
}  // namespace mj
