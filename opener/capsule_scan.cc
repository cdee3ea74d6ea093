#include "opener/capsule_scan.h"

#include "platform/directory_listing.h"
#include "platform/file_attributes.h"

namespace mj {

namespace {

using platform::listing_mask;

std::vector<std::string> schedule_folder_names(const std::filesystem::path& root,
                                               const failure_sink& report) {
  std::vector<std::string> entries;
  run_step(report, [&] { entries = platform::list_folder(root, listing_mask::all_entries); });
  std::vector<std::string> names;
  for (const std::string& name : entries) {
    // An entry that vanished since the listing is reported (or, being gone,
    // kept silent) and is no schedule folder.
    run_step(report, [&] {
      if (platform::is_schedule_folder(root, name)) names.push_back(name);
    });
  }
  return names;
}

}  // namespace

capsule_scan scan_capsule(const std::filesystem::path& root, long long missed_days,
                          const run_calendar& calendar, const failure_sink& report) {
  capsule_scan scan;
  // Both listings run to their end before any folder is judged.
  const std::vector<std::string> folder_names = schedule_folder_names(root, report);
  run_step(report, [&] { scan.root_files = platform::list_folder(root, listing_mask::files); });

  scan.folders.reserve(folder_names.size());
  for (const std::string& name : folder_names) {
    scanned_folder folder{name, evaluate_folder(name, missed_days, calendar)};
    for (const failure& f : folder.evaluation.failures) report(f);
    scan.folders.push_back(std::move(folder));
  }
  return scan;
}

}  // namespace mj
