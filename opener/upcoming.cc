// SPDX-License-Identifier: MIT
#include "opener/upcoming.h"

#include <cstdio>

#include "base/visible_text.h"
#include "base/wording.h"
#include "opener/json_text.h"
#include "opener/report_text.h"
#include "rules/next_openings.h"

namespace mj {

namespace {

using namespace std::chrono;

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

// "hh:mm:ss" of a moment's day.
std::string clock_time(wall_time t) {
  const hh_mm_ss<seconds> time{t - floor<days>(t)};
  char clock[16];
  std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", static_cast<int>(time.hours().count()),
                static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
  return clock;
}

// "YYYY-MM-DD hh:mm:ss", for JSON.
std::string format_moment(wall_time t) {
  return format_iso_date(floor<days>(t)) + " " + clock_time(t);
}

}  // namespace

std::string upcoming_text(const upcoming_report& report) {
  const std::string root = printable(report.root);
  std::string out;
  if (report.days.empty()) {
    out = fill(localized("mj::upcoming", "Capsule root %1: no day to judge."), {root});
  } else {
    const std::string first = day_words(report.days.front().day);
    const std::string last = day_words(report.days.back().day);
    out = report.days.size() == 1
              ? fill(localized("mj::upcoming",
                               "Capsule root %1, 1 day from %2 to %3, one run each day:"),
                     {root, first, last})
              : fill(localized("mj::upcoming",
                               "Capsule root %1, %2 days from %3 to %4, one run each day:"),
                     {root, std::to_string(report.days.size()), first, last});
  }
  out += "\n";
  // The capsule root's own files open at every run: said once, not every day.
  if (!report.days.empty() && !report.days.front().openings.empty() &&
      report.days.front().openings.front().folder == kCapsuleRootFiles) {
    const size_t files = report.days.front().openings.front().files;
    out += files == 1
               ? localized("mj::upcoming", "Every day: 1 file of the capsule root itself.")
               : fill(localized("mj::upcoming", "Every day: %1 files of the capsule root itself."),
                      {std::to_string(files)});
    out += "\n";
  }
  bool any = false;
  for (const upcoming_day& day : report.days) {
    bool dated = false;
    for (const folder_openings& o : day.openings) {
      if (o.folder == kCapsuleRootFiles) continue;
      if (!dated) out += day_words(day.day) + "\n";
      dated = any = true;
      out += "  " + std::to_string(o.files) + "  " + quoted(printable(report.folders[o.folder])) +
             "\n";
    }
  }
  out += any ? localized("mj::upcoming", "No other day opens a schedule folder's files.")
             : localized("mj::upcoming", "No schedule folder opens files on these days.");
  out += "\n";
  if (!report.never.empty()) {
    out += "\n" +
           fill(localized("mj::upcoming", "Not opening again within %1 years:"),
                {std::to_string(kForecastYears)}) +
           "\n";
    for (const closed_folder& c : report.never)
      out += "  " + quoted(printable(c.name)) + ": " + printable_line(c.why) + "\n";
  }
  if (!report.future_files.empty()) {
    out += "\n" + localized("mj::upcoming", "Dated after today:") + "\n";
    for (const future_file& f : report.future_files)
      out += "  " + printable(f.path) + "  " + day_words(floor<days>(f.modified)) + " " +
             clock_time(f.modified) + "\n";
  }
  if (!report.failures.empty()) {
    out += "\n" + localized("mj::upcoming", "Problems:") + "\n";
    for (const failure& f : report.failures) out += "  " + printable_line(f.description) + "\n";
  }
  return out;
}

std::string upcoming_json(const upcoming_report& report) {
  // Written piece by piece: a year ahead over a large capsule holds hundreds
  // of thousands of counts, each name escaped once.
  std::vector<std::string> names;
  names.reserve(report.folders.size());
  for (const std::string& name : report.folders) names.push_back(json_name_member("name", name));
  const std::string root_name = json_name_member("name", "");

  std::string out = "{" + json_name_member("root", report.root) +
                    ",\"today\":" + json_date(report.today) + ",\"days\":[";
  for (size_t d = 0; d < report.days.size(); ++d) {
    const upcoming_day& day = report.days[d];
    out += d == 0 ? "" : ",";
    out += "{\"date\":" + json_date(day.day) + ",\"folders\":[";
    for (size_t i = 0; i < day.openings.size(); ++i) {
      const folder_openings& o = day.openings[i];
      out += i == 0 ? "{" : ",{";
      out += o.folder == kCapsuleRootFiles ? root_name : names[o.folder];
      out += ",\"files\":" + std::to_string(o.files) + "}";
    }
    out += "]}";
  }
  out += "],\"never\":[";
  for (size_t i = 0; i < report.never.size(); ++i)
    out += (i == 0 ? "" : ",") +
           json_object().name("name", report.never[i].name).text("why", report.never[i].why).str();
  out += "],\"future_files\":[";
  for (size_t i = 0; i < report.future_files.size(); ++i)
    out +=
        (i == 0 ? "" : ",") + json_object()
                                  .name("path", report.future_files[i].path)
                                  .text("modified", format_moment(report.future_files[i].modified))
                                  .str();
  out += "],\"failures\":" + json_failures(report.failures) + "}";
  return out;
}

}  // namespace mj
