// SPDX-License-Identifier: MIT
#include "opener/explain.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <fstream>

#include "opener/dry_run.h"
#include "tests/temp_folder.h"

namespace mj::opener {
namespace {

QJsonObject parse(const std::string& json) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << json;
  return doc.object();
}

folder_evaluation evaluate(const char* name, long long missed, const char* today) {
  return evaluate_folder(name, missed, make_run_calendar(*parse_iso_date(today)));
}

TEST(ExplainJson, HasExactlyTheDocumentedKeys) {
  const QJsonObject o =
      parse(explain_json("Sunday@2=3+-", evaluate("Sunday@2=3+-", 4, "1998-12-16")));
  QStringList keys = o.keys();
  keys.sort();
  QStringList expected = {"name",     "rule",         "week_of_month", "days",   "window_days",
                          "catch_up", "stays_due",    "test",          "due",    "from",
                          "to",       "repeat_every", "failures",      "lenient"};
  expected.sort();
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(o["name"].toString(), "Sunday@2=3+-");
  EXPECT_EQ(o["rule"].toString(), "SUNDAY");
  EXPECT_TRUE(o["stays_due"].toBool());
  EXPECT_TRUE(o["catch_up"].toBool());
  EXPECT_EQ(o["days"].toInt(), 3);
  EXPECT_EQ(o["window_days"].toInt(), 6);
  EXPECT_EQ(o["week_of_month"].toInt(), 2);
  EXPECT_EQ(o["test"].toString(), "after");
  EXPECT_EQ(o["due"].toString(), "all_files");
  EXPECT_TRUE(o["from"].isNull());
  EXPECT_TRUE(o["to"].isNull());
  EXPECT_TRUE(o["failures"].toArray().isEmpty());
}

TEST(ExplainJson, DueKindsAndDates) {
  struct Case {
    const char* name;
    const char* due;
    const char* from;  // nullptr: null
    const char* to;
    int repeat_every;
  };
  const Case kCases[] = {
      {"MONDAY", "no", nullptr, nullptr, 0},
      {"TOMORROW", "files_within", "1998-12-15", "1998-12-15", 0},
      {"YEAR1-", "files_up_to", "1997-12-16", nullptr, 0},
      {"EVERY MONTH 3", "repeating", "1998-12-16", "1998-12-16", 3},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const QJsonObject o = parse(explain_json(c.name, evaluate(c.name, 0, "1998-12-16")));
    EXPECT_EQ(o["due"].toString(), c.due);
    EXPECT_EQ(o["from"].isNull() ? QString() : o["from"].toString(), QString(c.from));
    EXPECT_EQ(o["to"].isNull() ? QString() : o["to"].toString(), QString(c.to));
    EXPECT_EQ(o["repeat_every"].toInt(), c.repeat_every);
  }
}

TEST(ExplainJson, ListsFailuresInOrderAndEscapesAnyName) {
  const std::string name = "EVERYDAY99999=40000 \"quoted\" \\ \x01 \xFF";
  const QJsonObject o = parse(explain_json(name, evaluate(name.c_str(), 0, "1998-12-16")));
  const QJsonArray failures = o["failures"].toArray();
  ASSERT_EQ(failures.size(), 2);
  EXPECT_EQ(failures[0].toObject()["code"].toInt(), 6);
  EXPECT_FALSE(failures[0].toObject()["description"].toString().isEmpty());
  EXPECT_EQ(o["test"].toString(), "on_day");
  // Not valid UTF-8: the name as printable shows it, and its bytes.
  EXPECT_EQ(o["name"].toString(), "EVERYDAY99999=40000 \"quoted\" \\\\ \\001 \\377");
  EXPECT_EQ(QByteArray::fromHex(o["name_bytes"].toString().toLatin1()).toStdString(), name);
}

TEST(ExplainText, SaysHowTheNameReadsAndWhatOpens) {
  const date today = *parse_iso_date("1998-12-16");
  const std::string text =
      explain_text("TOMORROW=3", evaluate("TOMORROW=3", 0, "1998-12-16"), today, 0);
  EXPECT_EQ(text,
            "\"TOMORROW=3\" reads as: each file on each of the 3 days after it was stored.\n"
            "On Wed 16 Dec 1998: due: files stored from Sun 13 Dec 1998 to Tue 15 Dec 1998.\n");

  const std::string missed = explain_text("12-14+", evaluate("12-14+", 2, "1998-12-16"), today, 2);
  EXPECT_NE(missed.find("after 2 missed days: due: every file in the folder"), std::string::npos)
      << missed;

  const std::string failed =
      explain_text("98-2-30", evaluate("98-2-30", 0, "1998-12-16"), today, 0);
  EXPECT_NE(failed.find("Problem: 30 February 1998 does not exist."), std::string::npos) << failed;
}

// --explain and --next against the run's own dry run on the same day: the
// names whose files the run opens, and those it passes over.
TEST(ExplainAndNext, AgreeWithTheRunOnHiddenEmptyAndNonsenseNames) {
  mj::testing::temp_folder folder("mj_explain_agree");
  ASSERT_FALSE(folder.path().empty());
  const std::filesystem::path root = folder.path();
  struct Case {
    const char* name;   // "" is the capsule root
    bool opens;         // today, and at every run from today on
    const char* words;  // in the --explain text
  };
  const Case kCases[] = {
      {"", true, "is the capsule root itself: its files open at every run"},
      {".hidden", false, "passes over folders whose name begins with \".\""},
      {".TOMORROW-", false, "passes over folders whose name begins with \".\""},
      {"MAIL-", true, "has always come: at every run"},
      {"TOMORROW2-", true, "has always come: at every run"},
  };
  for (const Case& c : kCases) {
    std::filesystem::create_directories(root / c.name);
    std::ofstream(root / c.name / (std::string("in") + c.name + ".txt")) << "message";
  }
  const date today = *parse_iso_date("2026-12-07");
  const dry_run_report dry = dry_run(parse_iso_date("2026-12-06"), today, root.string());
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string("\"") + c.name + "\"");
    const std::string file = (root / c.name / (std::string("in") + c.name + ".txt")).string();
    const auto& queue = dry.plan.selection.open_queue;
    const bool queued = std::any_of(queue.begin(), queue.end(),
                                    [&](const queue_entry& e) { return e.path == file; });
    EXPECT_EQ(queued, c.opens);

    const folder_evaluation e = explained_evaluation(c.name, 0, make_run_calendar(today));
    EXPECT_EQ(e.verdict.kind == due_kind::all_files, c.opens);
    const std::string text = explain_text(c.name, e, today, 0);
    EXPECT_NE(text.find(c.words), std::string::npos) << text;
    EXPECT_EQ(text.find("never comes"), std::string::npos) << text;

    const opening_forecast f = forecast_for(c.name, wall_time{today} + std::chrono::hours{12}, 3);
    EXPECT_EQ(f.every_run_from == today, c.opens);
    EXPECT_EQ(f.openings.empty(), !c.opens);
    const std::string next = next_text(c.name, today, today, f);
    EXPECT_EQ(next.find("never open") != std::string::npos, !c.opens) << next;
  }
}

// The names the rules read only leniently: --explain notes them with what
// they probably mean, in the text and in the JSON; others have null.
TEST(Explain, NotesLenientReadings) {
  const date today = *parse_iso_date("2026-12-07");
  const std::string text = explain_text("YEAR", evaluate("YEAR", 0, "2026-12-07"), today, 0);
  EXPECT_NE(text.find("Note: without a number it waits for nothing and opens at every run: did "
                      "you mean YEAR1"),
            std::string::npos)
      << text;
  struct Case {
    const char* name;
    const char* kind;  // nullptr: null
    const char* suggestion;
  };
  const Case kCases[] = {
      {"YEAR", "no_wait", "YEAR1"},
      {"next week", "phrase_as_month_end", "WEEK1"},
      {"01.01.2027", "date_as_day_of_month", "2027-1-1"},
      {"MONDAY MORNING", "weekday_with_words", "MONDAY"},
      {"YEAR1", nullptr, nullptr},
      {"12-25+", nullptr, nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const QJsonObject o = parse(explain_json(c.name, evaluate(c.name, 0, "2026-12-07")));
    ASSERT_TRUE(o.contains("lenient"));
    if (!c.kind) {
      EXPECT_TRUE(o["lenient"].isNull());
      EXPECT_EQ(explain_text(c.name, evaluate(c.name, 0, "2026-12-07"), today, 0).find("Note:"),
                std::string::npos);
      continue;
    }
    EXPECT_EQ(o["lenient"].toObject()["kind"].toString(), c.kind);
    EXPECT_EQ(o["lenient"].toObject()["suggestion"].toString(), c.suggestion);
  }
}

TEST(NextJson, SaysFromWhichDayItCounted) {
  const date today = *parse_iso_date("2026-12-07");
  const date tomorrow = *parse_iso_date("2026-12-08");
  const wall_time noon = wall_time{today} + std::chrono::hours{12};
  const opening_forecast f = forecast_openings("MONDAY", noon, 2, tomorrow);
  const QJsonObject o = parse(next_json("MONDAY", today, tomorrow, f));
  EXPECT_EQ(o["today"].toString(), "2026-12-07");
  EXPECT_EQ(o["counted_from"].toString(), "2026-12-08");
  EXPECT_EQ(o["openings"].toArray().first().toString(), "2026-12-14");
  const std::string text = next_text("MONDAY", today, tomorrow, f);
  EXPECT_EQ(text.rfind("The opener's run of Mon 7 Dec 2026 is over: the runs count from Tue 8 "
                       "Dec 2026 on.\n",
                       0),
            0u)
      << text;
  EXPECT_EQ(next_text("MONDAY", today, today, f).find("is over"), std::string::npos);
}

}  // namespace
}  // namespace mj::opener
