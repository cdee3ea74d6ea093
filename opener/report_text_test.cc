// SPDX-License-Identifier: MIT
// Names from the capsule in every output of the questions beside the run:
// the texts show controls, C1 controls and invalid UTF-8 escaped, the JSON
// keeps every name recoverable byte for byte, and every JSON object keeps its
// keys in the documented order.
#include "opener/report_text.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "base/visible_text.h"
#include "opener/dry_run.h"
#include "opener/explain.h"
#include "opener/json_text.h"
#include "opener/upcoming.h"
#include "rules/test_support.h"
#include "tests/temp_folder.h"

namespace mj::opener {
namespace {

namespace fs = std::filesystem;
using testing::D;

// The keys of every object in `json`, in the order written, each object as
// its path ("" for the top, "queue[]" for the objects of the array "queue")
// followed by its keys: "queue[]: path folder due".
class key_order_reader {
 public:
  explicit key_order_reader(const std::string& json) : json_(json) {
    value("");
    EXPECT_EQ(at_, json_.size()) << "trailing text";
  }
  const std::vector<std::string>& objects() const { return objects_; }

 private:
  void value(const std::string& path) {
    if (json_[at_] == '{') return object(path);
    if (json_[at_] == '[') return array(path);
    if (json_[at_] == '"') return static_cast<void>(string());
    while (at_ < json_.size() && std::string_view(",]}").find(json_[at_]) == std::string::npos)
      ++at_;
  }
  void object(const std::string& path) {
    std::string keys = path + ":";
    ++at_;
    while (json_[at_] != '}') {
      const std::string key = string();
      keys += " " + key;
      ++at_;  // ':'
      value(key);
      if (json_[at_] == ',') ++at_;
    }
    ++at_;
    objects_.push_back(keys);
  }
  void array(const std::string& path) {
    ++at_;
    while (json_[at_] != ']') {
      value(path + "[]");
      if (json_[at_] == ',') ++at_;
    }
    ++at_;
  }
  std::string string() {
    std::string out;
    for (++at_; json_[at_] != '"'; ++at_) {
      if (json_[at_] == '\\') out += json_[at_++];
      out += json_[at_];
    }
    ++at_;
    return out;
  }

  const std::string& json_;
  size_t at_ = 0;
  std::vector<std::string> objects_;
};

// Whether `text` holds a control, a C1 control or bytes that are no UTF-8,
// other than the line feeds that end its lines and the tabs that separate
// the columns of the dry run.
bool has_raw_controls(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7f) return true;
    if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0)
      return true;
  }
  return !is_valid_utf8(text);
}

QJsonObject parsed(const std::string& json) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << json;
  return document.object();
}

// The bytes of a name written under `key` in `o`: from `key_bytes` when the
// name is no valid UTF-8, else the string itself.
std::string name_bytes(const QJsonObject& o, const QString& key) {
  if (o.contains(key + "_bytes"))
    return QByteArray::fromHex(o[key + "_bytes"].toString().toLatin1()).toStdString();
  return o[key].toString().toStdString();
}

// Names that must never reach a terminal raw, each a due folder "12-7"
// followed by the odd part, and each holding one file of the same odd name.
struct odd_name {
  const char* label;
  std::string part;
};
const odd_name kOddNames[] = {
    {"line feed", "\n"},
    {"tab", "\tx"},
    {"escape sequence", "\x1B[2J"},
    {"DEL", "\x7F"},
    {"C1 control sequence introducer",
     "\xC2\x9B"
     "31m"},
    {"not UTF-8", "\xFF\xFE"},
    {"backslash", "\\n"},
};

class OddNames : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    for (const odd_name& n : kOddNames) {
      const fs::path folder = root_ / ("12-7 " + n.part);
      fs::create_directories(folder);
      std::ofstream(folder / ("f" + n.part + ".txt")) << "message";
    }
    // An unreadable name, reported with the folder in its description.
    fs::create_directories(root_ / "2026-02-30\n\xC2\x9B\xFF");
  }

  testing::temp_folder folder_{"mj_odd_names"};
  fs::path root_ = folder_.path() / "caps\x1B";
};

TEST_F(OddNames, NeverReachTheTextsRaw) {
  const dry_run_report dry = dry_run(D("2026-12-07"), D("2026-12-07"), root_.string());
  ASSERT_EQ(dry.plan.selection.open_queue.size(), std::size(kOddNames));
  const std::string dry_text = dry_run_text(dry);
  EXPECT_FALSE(has_raw_controls(dry_text)) << dry_text;
  // One line per queued file, the heading and the one problem.
  EXPECT_EQ(std::count(dry_text.begin(), dry_text.end(), '\n'), std::size(kOddNames) + 2)
      << dry_text;
  EXPECT_EQ(std::count(dry_text.begin(), dry_text.end(), '\t'), std::size(kOddNames)) << dry_text;
  EXPECT_NE(dry_text.find("12-7 \\302\\23331m/f\\302\\23331m.txt"), std::string::npos);
  EXPECT_NE(dry_text.find("2026-02-30\\n\\302\\233\\377"), std::string::npos) << dry_text;

  const upcoming_report ahead =
      look_ahead(root_.string(), D("2026-12-01"), 10, wall_time{D("2026-12-01")});
  const std::string ahead_text = upcoming_text(ahead);
  EXPECT_FALSE(has_raw_controls(ahead_text)) << ahead_text;

  for (const odd_name& n : kOddNames) {
    SCOPED_TRACE(n.label);
    const std::string name = "12-7 " + n.part;
    const date today = D("2026-12-07");
    const std::string explained =
        explain_text(name, explained_evaluation(name, 0, make_run_calendar(today)), today, 0);
    EXPECT_FALSE(has_raw_controls(explained)) << explained;
    const std::string next = next_text(name, today, today, forecast_for(name, wall_time{today}, 3));
    EXPECT_FALSE(has_raw_controls(next)) << next;
    // The unreadable rule is named in the reading.
    const std::string odd_rule = "X" + n.part;
    const std::string reading = explain_text(
        odd_rule, explained_evaluation(odd_rule, 0, make_run_calendar(today)), today, 0);
    EXPECT_FALSE(has_raw_controls(reading)) << reading;
  }
}

TEST_F(OddNames, StayRecoverableInJson) {
  const dry_run_report dry = dry_run(D("2026-12-07"), D("2026-12-07"), root_.string());
  const std::string json = dry_run_json(dry);
  EXPECT_FALSE(has_raw_controls(json)) << json;
  const QJsonObject o = parsed(json);
  EXPECT_EQ(name_bytes(o, "root"), dry.plan.root.full_path());
  std::vector<std::string> paths, folders;
  for (const QJsonValue& e : o["queue"].toArray()) {
    paths.push_back(name_bytes(e.toObject(), "path"));
    folders.push_back(name_bytes(e.toObject(), "folder"));
  }
  for (const odd_name& n : kOddNames) {
    SCOPED_TRACE(n.label);
    const std::string folder = "12-7 " + n.part;
    const std::string path = (root_ / folder / ("f" + n.part + ".txt")).string();
    EXPECT_NE(std::find(paths.begin(), paths.end(), path), paths.end());
    EXPECT_NE(std::find(folders.begin(), folders.end(), folder), folders.end());
  }

  const upcoming_report ahead =
      look_ahead(root_.string(), D("2026-12-01"), 10, wall_time{D("2026-12-01")});
  const std::string ahead_json = upcoming_json(ahead);
  EXPECT_FALSE(has_raw_controls(ahead_json)) << ahead_json;
  std::vector<std::string> due_names;
  for (const QJsonValue& day : parsed(ahead_json)["days"].toArray())
    for (const QJsonValue& f : day.toObject()["folders"].toArray())
      due_names.push_back(name_bytes(f.toObject(), "name"));
  for (const odd_name& n : kOddNames)
    EXPECT_NE(std::find(due_names.begin(), due_names.end(), "12-7 " + n.part), due_names.end())
        << n.label;
}

// The capsule root as reports name it: the home folder as "~" only where a
// whole folder name matches, final separators gone, odd bytes escaped.
TEST(RootLabel, ShowsTheHomeFolderAsATildeAndEscapes) {
  struct Case {
    const char* root;
    const char* home;
    const char* label;
  };
  const Case kCases[] = {
      {"/home/ann/Morrowjar/", "/home/ann", "~/Morrowjar"},
      {"/home/ann/", "/home/ann/", "~"},
      {"/home/annex/caps/", "/home/ann", "/home/annex/caps"},
      {"/srv/caps///", "/home/ann", "/srv/caps"},
      {"/srv/caps/", "", "/srv/caps"},
      {"/", "/home/ann", "/"},
      {"/home/ann/a\nb\x9b/", "/home/ann", "~/a\\nb\\233"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.root);
    EXPECT_EQ(root_label(c.root, c.home), c.label);
  }
}

TEST(JsonNames, ValidUtf8AsItIsOtherBytesInHexadecimal) {
  EXPECT_EQ(json_name_member("name", "a\"\\\n\x01\x7F\xC2\x9B\xE2\x80\xA8z"),
            "\"name\":\"a\\\"\\\\\\n\\u0001\\u007f\\u009b\\u2028z\"");
  EXPECT_EQ(json_name_member("path", "/a/\xFF\n"),
            "\"path\":\"/a/\\\\377\\\\n\",\"path_bytes\":\"2f612fff0a\"");
}

// Each kind of object once: the keys of every object of `json`, in order.
std::set<std::string> key_orders(const std::string& json) {
  const std::vector<std::string> objects = key_order_reader(json).objects();
  return {objects.begin(), objects.end()};
}

TEST(JsonKeyOrder, EveryAnswerAsTheReadmeDescribesIt) {
  testing::temp_folder folder("mj_key_order");
  ASSERT_FALSE(folder.path().empty());
  const fs::path root = folder.path();
  for (const char* name : {"12-7", "FOO", "2026-02-30"}) fs::create_directories(root / name);
  std::ofstream(root / "12-7" / "a.txt") << "message";
  std::ofstream(root / "12-7" / "later.txt") << "message";
  std::ofstream(root / "root.txt") << "message";
  fs::last_write_time(root / "12-7" / "later.txt",
                      fs::file_time_type::clock::now() + std::chrono::days{365 * 20});

  const date today = D("2026-12-07");
  const folder_evaluation e = explained_evaluation("98-2-30", 0, make_run_calendar(today));
  EXPECT_EQ(key_orders(explain_json("98-2-30", e)),
            (std::set<std::string>{
                "failures[]: code description",
                ": name rule week_of_month days window_days catch_up stays_due test due from to "
                "repeat_every failures lenient"}));

  const opening_forecast f = forecast_for("EVERYDAY2=40000", wall_time{today}, 3);
  EXPECT_EQ(key_orders(next_json("EVERYDAY2=40000", today, today, f)),
            (std::set<std::string>{"failures[]: code description",
                                   ": name today counted_from openings every_run_from failures"}));

  const dry_run_report dry = dry_run(D("2026-12-01"), today, root.string());
  EXPECT_EQ(key_orders(dry_run_json(dry)),
            (std::set<std::string>{
                "queue[]: path folder due", "folders[]: name due from to repeat_every failures",
                "failures[]: code description",
                ": root today missed_days owed_days queue passed_over folders failures"}));

  const upcoming_report ahead = look_ahead(root.string(), today, 1, wall_time{today});
  EXPECT_EQ(
      key_orders(upcoming_json(ahead)),
      (std::set<std::string>{"days[]: date folders", "folders[]: name files", "never[]: name why",
                             "future_files[]: path modified", "failures[]: code description",
                             ": root today days never future_files failures"}));
}

}  // namespace
}  // namespace mj::opener
