// SPDX-License-Identifier: MIT
#include "opener/upcoming_ics.h"

#include <libical/ical.h>

#include <QCryptographicHash>
#include <filesystem>
#include <memory>

#include "base/visible_text.h"
#include "base/wording.h"
#include "opener/capsule_scan.h"
#include "opener/dry_run.h"
#include "rules/calendar.h"

namespace mj::opener {

namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

struct component_deleter {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using component = std::unique_ptr<icalcomponent, component_deleter>;

icaltimetype all_day(date day) {
  const year_month_day ymd{day};
  icaltimetype t = icaltime_null_date();
  t.year = static_cast<int>(ymd.year());
  t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  return t;
}

icaltimetype utc_moment(sys_seconds moment) {
  return icaltime_from_timet_with_zone(static_cast<time_t>(moment.time_since_epoch().count()), 0,
                                       icaltimezone_get_utc_timezone());
}

// The files of one folder that the run of `day` opens, relative to the
// folder: the run's own evaluation and selection, without missed days.
std::vector<std::string> files_opened(const fs::path& root, const std::string& folder, date day) {
  capsule_scan scan;
  scan.root_listed = true;
  scan.folders.push_back({folder, evaluate_folder(folder, 0, make_run_calendar(day))});
  const opening_selection selection = select_due_files(root, scan, day, [](const failure&) {});
  std::vector<std::string> names;
  const fs::path folder_path = root / folder;
  for (const queue_entry& entry : selection.open_queue)
    names.push_back(fs::path(entry.path).lexically_relative(folder_path).string());
  return names;
}

std::string description_of(const std::vector<std::string>& files, size_t counted) {
  std::string text;
  for (size_t i = 0; i < files.size() && i < kMostFilesNamed; ++i)
    text += (i == 0 ? "" : "\n") + printable(files[i]);
  if (files.size() > kMostFilesNamed)
    text += "\n" + fill(localized("mj::opener::upcoming_ics", "... and %1 more"),
                        {std::to_string(files.size() - kMostFilesNamed)});
  // The folder changed between the count and the listing.
  if (files.size() != counted && files.empty())
    text = localized("mj::opener::upcoming_ics", "(the files could not be listed again)");
  return text;
}

std::string summary_of(const std::string& folder, size_t files) {
  const std::string name = printable(folder);
  return files == 1
             ? fill(localized("mj::opener::upcoming_ics", "Morrowjar: 1 file opens from \"%1\""),
                    {name})
             : fill(localized("mj::opener::upcoming_ics", "Morrowjar: %1 files open from \"%2\""),
                    {std::to_string(files), name});
}

}  // namespace

std::string event_uid(const std::string& root, const std::string& folder, date day) {
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(QByteArray::fromStdString(root));
  hash.addData(QByteArray(1, '\0'));
  hash.addData(QByteArray::fromStdString(folder));
  const std::string digest = hash.result().toHex().left(32).toStdString();
  std::string day_text = format_iso_date(day);
  std::erase(day_text, '-');
  return day_text + "-" + digest + "@morrowjar.github.io";
}

std::string upcoming_ics(const upcoming_report& report, sys_seconds stamp) {
  component calendar(icalcomponent_new_vcalendar());
  icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Morrowjar//m_jar//EN"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
  icalproperty* name = icalproperty_new_x("Morrowjar");
  icalproperty_set_x_name(name, "X-WR-CALNAME");
  icalcomponent_add_property(calendar.get(), name);

  const fs::path root = report.root;
  const icaltimetype stamp_time = utc_moment(stamp);
  for (const upcoming_day& day : report.days) {
    for (const folder_openings& o : day.openings) {
      if (o.folder == kCapsuleRootFiles) continue;
      const std::string& folder = report.folders[o.folder];
      icalcomponent* event = icalcomponent_new_vevent();
      icalcomponent_add_property(
          event, icalproperty_new_uid(event_uid(report.root, folder, day.day).c_str()));
      icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp_time));
      icalcomponent_add_property(event, icalproperty_new_dtstart(all_day(day.day)));
      icalcomponent_add_property(event, icalproperty_new_dtend(all_day(day.day + days{1})));
      icalcomponent_add_property(event,
                                 icalproperty_new_summary(summary_of(folder, o.files).c_str()));
      icalcomponent_add_property(
          event, icalproperty_new_description(
                     description_of(files_opened(root, folder, day.day), o.files).c_str()));
      // A reminder of a day, not an appointment: the time stays free.
      icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
      icalcomponent_add_component(calendar.get(), event);
    }
  }
  char* text = icalcomponent_as_ical_string_r(calendar.get());
  std::string out = text;
  icalmemory_free_buffer(text);
  return out;
}

}  // namespace mj::opener
