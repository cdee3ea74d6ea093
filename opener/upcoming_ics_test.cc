// SPDX-License-Identifier: MIT
// The iCalendar form of the look-ahead, read back by libical: one event per
// folder and day that the report counts, the files it names, UIDs that stay
// the same from one export to the next, and text that survives the
// format's escaping.
#include "opener/upcoming_ics.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <ctime>
#include <fstream>
#include <map>
#include <set>

#include "rules/test_support.h"
#include "tests/file_times.h"
#include "tests/temp_folder.h"

namespace mj::opener {
namespace {

namespace fs = std::filesystem;
using testing::D;

struct read_event {
  std::string uid;
  std::string day;  // YYYY-MM-DD
  std::string end;
  std::string summary;
  std::string description;
  bool all_day = false;
};

std::string iso(icaltimetype t) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
  return text;
}

// Parses `ics` with libical; fails the test when it is not one valid calendar.
std::vector<read_event> read_back(const std::string& ics) {
  std::vector<read_event> events;
  icalcomponent* calendar = icalparser_parse_string(ics.c_str());
  EXPECT_NE(calendar, nullptr);
  if (calendar == nullptr) return events;
  EXPECT_EQ(icalcomponent_isa(calendar), ICAL_VCALENDAR_COMPONENT);
  EXPECT_EQ(icalcomponent_count_errors(calendar), 0) << ics;
  icalproperty* prodid = icalcomponent_get_first_property(calendar, ICAL_PRODID_PROPERTY);
  EXPECT_NE(prodid, nullptr);
  if (prodid != nullptr) {
    EXPECT_STREQ(icalproperty_get_prodid(prodid), "-//Morrowjar//m_jar//EN");
  }
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
       e != nullptr; e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    read_event r;
    r.uid = icalcomponent_get_uid(e);
    r.day = iso(icalcomponent_get_dtstart(e));
    r.end = iso(icalcomponent_get_dtend(e));
    r.all_day = icalcomponent_get_dtstart(e).is_date == 1;
    r.summary = icalcomponent_get_summary(e);
    r.description = icalcomponent_get_description(e);
    EXPECT_NE(icalcomponent_get_first_property(e, ICAL_DTSTAMP_PROPERTY), nullptr);
    events.push_back(r);
  }
  icalcomponent_free(calendar);
  return events;
}

class UpcomingIcs : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(folder_.path().empty()); }

  void file(const fs::path& name, const char* when) {
    ASSERT_TRUE(testing::make_message_file(root_ / name, when)) << when;
  }

  upcoming_report look(int day_count) {
    return look_ahead(root_.string(), D("2026-12-07"), day_count,
                      wall_time{D("2026-12-07")} + std::chrono::hours{12});
  }

  static std::chrono::sys_seconds stamp() {
    return std::chrono::sys_days{D("2026-12-07")} + std::chrono::hours{9};
  }

  mj::testing::temp_folder folder_{"mj_upcoming_ics"};
  fs::path root_ = folder_.path() / "";
};

TEST_F(UpcomingIcs, HasOneAllDayEventPerFolderAndDayTheReportCounts) {
  file("loose.txt", "2026-12-01 08:00");  // the capsule root's own: no event
  file("TOMORROW/a.txt", "2026-12-06 08:00");
  file("TOMORROW/b.txt", "2026-12-09 08:00");
  file("E/month end.txt", "2026-01-01 08:00");
  file("12-25+/gift.txt", "2026-11-01 08:00");
  file("12-25+/card.txt", "2026-11-02 08:00");
  file("EVERY MONTH/bill.txt", "2026-11-10 08:00");
  const upcoming_report report = look(40);
  const std::vector<read_event> events = read_back(upcoming_ics(report, stamp()));

  std::map<std::pair<std::string, std::string>, size_t> counted;  // (day, folder) -> files
  for (const upcoming_day& day : report.days)
    for (const folder_openings& o : day.openings)
      if (o.folder != kCapsuleRootFiles)
        counted[{format_iso_date(day.day), report.folders[o.folder]}] = o.files;
  ASSERT_EQ(events.size(), counted.size());

  const std::map<std::pair<std::string, std::string>, std::string> kExpected = {
      {{"2026-12-07", "TOMORROW"}, "a.txt"},       {{"2026-12-10", "TOMORROW"}, "b.txt"},
      {{"2026-12-10", "EVERY MONTH"}, "bill.txt"}, {{"2026-12-25", "12-25+"}, "card.txt\ngift.txt"},
      {{"2026-12-31", "E"}, "month end.txt"},      {{"2027-01-10", "EVERY MONTH"}, "bill.txt"},
  };
  EXPECT_EQ(counted.size(), kExpected.size());
  std::set<std::string> uids;
  for (const read_event& e : events) {
    SCOPED_TRACE(e.summary);
    EXPECT_TRUE(e.all_day);
    EXPECT_EQ(e.end, format_iso_date(*parse_iso_date(e.day) + std::chrono::days{1}));
    EXPECT_TRUE(uids.insert(e.uid).second) << "UID twice: " << e.uid;
    bool found = false;
    for (const auto& [key, files] : counted) {
      if (key.first != e.day || e.summary.find("\"" + key.second + "\"") == std::string::npos)
        continue;
      found = true;
      EXPECT_EQ(e.uid, event_uid(report.root, key.second, *parse_iso_date(e.day)));
      EXPECT_NE(e.summary.find(std::to_string(files) + (files == 1 ? " file" : " files")),
                std::string::npos);
      // The description lists the files in the order the run opens them.
      std::multiset<std::string> listed, expected;
      for (size_t from = 0; from <= e.description.size();) {
        const size_t end = std::min(e.description.find('\n', from), e.description.size());
        listed.insert(e.description.substr(from, end - from));
        from = end + 1;
      }
      const std::string& want = kExpected.at(key);
      for (size_t from = 0; from <= want.size();) {
        const size_t end = std::min(want.find('\n', from), want.size());
        expected.insert(want.substr(from, end - from));
        from = end + 1;
      }
      EXPECT_EQ(listed, expected);
      EXPECT_EQ(listed.size(), files);
    }
    EXPECT_TRUE(found) << e.day;
  }
}

TEST_F(UpcomingIcs, KeepsItsUidsFromOneExportToTheNext) {
  file("TOMORROW/a.txt", "2026-12-06 08:00");
  file("15/b.txt", "2026-10-06 08:00");
  const auto uids_of = [](const std::vector<read_event>& events) {
    std::map<std::string, std::string> uids;  // UID -> day
    for (const read_event& e : events) uids[e.uid] = e.day;
    return uids;
  };
  const auto first = uids_of(read_back(upcoming_ics(look(60), stamp())));
  // A later export, a file more and another moment: the same events keep
  // their UIDs, and the new one gets its own.
  file("TOMORROW/c.txt", "2026-12-09 08:00");
  const auto second = uids_of(read_back(upcoming_ics(look(60), stamp() + std::chrono::hours{30})));
  EXPECT_EQ(first.size(), 3u);
  EXPECT_EQ(second.size(), 4u);
  for (const auto& [uid, day] : first) {
    ASSERT_TRUE(second.contains(uid)) << uid;
    EXPECT_EQ(second.at(uid), day);
  }
  // Another capsule root with the same folder names has other UIDs.
  EXPECT_NE(event_uid("/a/", "15", D("2026-12-15")), event_uid("/b/", "15", D("2026-12-15")));
  EXPECT_NE(event_uid("/a/", "15", D("2026-12-15")), event_uid("/a/", "15", D("2027-01-15")));
  EXPECT_NE(event_uid("/a/", "15", D("2026-12-15")), event_uid("/a/", "16", D("2026-12-15")));
}

TEST_F(UpcomingIcs, EscapesWhatTheFormatAndATerminalWouldMisread) {
  // Commas, semicolons and backslashes are escaped by the format; a line
  // break in a name is shown as \n, so it cannot start a line of its own.
  file("TOMORROW/a, b; c\\d.txt", "2026-12-06 08:00");
  file("TOMORROW/line\nBEGIN:VEVENT.txt", "2026-12-06 08:00");
  const std::string ics = upcoming_ics(look(1), stamp());
  EXPECT_EQ(ics.find("\nBEGIN:VEVENT.txt"), std::string::npos);
  const std::vector<read_event> events = read_back(ics);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_NE(events[0].description.find("a, b; c\\\\d.txt"), std::string::npos)
      << events[0].description;
  EXPECT_NE(events[0].description.find("line\\nBEGIN:VEVENT.txt"), std::string::npos)
      << events[0].description;
}

TEST_F(UpcomingIcs, NamesAtMostFiftyFilesAndCountsTheOthers) {
  for (int i = 0; i < 52; ++i)
    file(fs::path("TOMORROW") / ("note " + std::to_string(100 + i) + ".txt"), "2026-12-06 08:00");
  const std::vector<read_event> events = read_back(upcoming_ics(look(1), stamp()));
  ASSERT_EQ(events.size(), 1u);
  EXPECT_NE(events[0].summary.find("52 files"), std::string::npos) << events[0].summary;
  const std::string& d = events[0].description;
  EXPECT_EQ(std::count(d.begin(), d.end(), '\n'), 50);
  EXPECT_TRUE(d.ends_with("\n... and 2 more")) << d;
}

TEST_F(UpcomingIcs, IsAnEmptyCalendarWithoutFolderOpenings) {
  file("loose.txt", "2026-12-01 08:00");
  const std::string ics = upcoming_ics(look(10), stamp());
  EXPECT_TRUE(read_back(ics).empty());
  EXPECT_NE(ics.find("BEGIN:VCALENDAR"), std::string::npos);
}

}  // namespace
}  // namespace mj::opener
