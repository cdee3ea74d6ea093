#include "opener/explain.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace mj {
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
  const QStringList kKeys = {"failures", "flag",       "interval",     "minus", "mweek",
                             "name",     "period",     "period2",      "plus",  "rule_name",
                             "test",     "time_stamp", "time_stamp_to"};
  QStringList keys = o.keys();
  keys.sort();
  QStringList expected = kKeys;
  expected.sort();
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(o["name"].toString(), "Sunday@2=3+-");
  EXPECT_EQ(o["rule_name"].toString(), "SUNDAY");
  EXPECT_TRUE(o["minus"].toBool());
  EXPECT_TRUE(o["plus"].toBool());
  EXPECT_EQ(o["period"].toInt(), 3);
  EXPECT_EQ(o["period2"].toInt(), 6);
  EXPECT_EQ(o["mweek"].toInt(), 2);
  EXPECT_EQ(o["test"].toString(), "after");
  EXPECT_EQ(o["flag"].toInt(), 1);
  EXPECT_EQ(o["time_stamp"].toString(), "1899-12-30");
  EXPECT_TRUE(o["failures"].toArray().isEmpty());
}

TEST(ExplainJson, ListsFailuresInOrderAndEscapesAnyName) {
  const std::string name = "EVERYDAY99999=40000 \"quoted\" \\ \x01 \xFF";
  const QJsonObject o = parse(explain_json(name, evaluate(name.c_str(), 0, "1998-12-16")));
  const QJsonArray failures = o["failures"].toArray();
  ASSERT_EQ(failures.size(), 2);
  EXPECT_EQ(failures[0].toObject()["code"].toInt(), 6);
  EXPECT_FALSE(failures[0].toObject()["description"].toString().isEmpty());
  EXPECT_EQ(o["test"].toString(), "just");
  EXPECT_TRUE(o["name"].toString().startsWith("EVERYDAY99999=40000 \"quoted\" \\ \x01 "));
}

TEST(ExplainText, SaysHowTheNameWasReadAndWhatItDoes) {
  const std::string text = explain_text("TOMORROW=3", evaluate("TOMORROW=3", 0, "1998-12-16"));
  EXPECT_NE(text.find("rule name \"TOMORROW\""), std::string::npos) << text;
  EXPECT_NE(text.find("period 3, period2 2"), std::string::npos) << text;
  EXPECT_NE(text.find("due kind:  4"), std::string::npos) << text;
  EXPECT_NE(text.find("1998-12-13 .. 1998-12-15"), std::string::npos) << text;

  const std::string failed = explain_text("98-2-30", evaluate("98-2-30", 0, "1998-12-16"));
  EXPECT_NE(failed.find("failure:   13 "), std::string::npos) << failed;
}

}  // namespace
}  // namespace mj
