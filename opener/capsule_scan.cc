#include "opener/capsule_scan.h"

#include "platform/directory_listing.h"
#include "platform/file_attributes.h"
#include "platform/file_time.h"
#include "rules/due_files.h"

namespace mj {

namespace {

using platform::listing_mask;

// The listing of `folder`, or nothing after reporting why it failed.
std::vector<std::string> listed(const std::filesystem::path& folder, listing_mask mask,
                                const failure_sink& report) {
  result<std::vector<std::string>> names = platform::list_folder(folder, mask);
  if (names.ok()) return std::move(names.value());
  report(names.error());
  return {};
}

std::vector<std::string> schedule_folder_names(const std::filesystem::path& root,
                                               const failure_sink& report) {
  std::vector<std::string> names;
  for (const std::string& name : listed(root, listing_mask::all_entries, report)) {
    // An entry that vanished since the listing is reported (or, being gone,
    // kept silent) and is no schedule folder.
    const result<bool> is_folder = platform::is_schedule_folder(root, name);
    if (!is_folder.ok())
      report(is_folder.error());
    else if (*is_folder)
      names.push_back(name);
  }
  return names;
}

// Stands for making the folder current: a folder removed since the scan is
// reported, and its listing then finds nothing.
bool enter_folder(const std::filesystem::path& folder, const failure_sink& report) {
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return true;
  report(make_failure(failure_code::path_not_found, folder.string()));
  return false;
}

void queue_folder_files(const std::filesystem::path& folder, size_t index,
                        const scanned_folder& scanned, date today, std::vector<queue_entry>& queue,
                        const failure_sink& report) {
  const due_verdict& verdict = scanned.evaluation.verdict;
  const std::optional<date_unit> unit = repeat_unit_of(scanned.evaluation.name.rule);
  // Without a unit or a step of at least 1 no file can repeat.
  if (verdict.kind == due_kind::repeating && (!unit || verdict.repeat_every < 1)) return;
  for (const std::string& name : listed(folder, listing_mask::files, report)) {
    const std::filesystem::path path = folder / name;
    if (verdict.kind == due_kind::all_files) {
      queue.push_back({path.string(), index});
      continue;
    }
    const result<wall_time> stored = platform::last_modified(path);
    if (!stored.ok())
      report(stored.error());
    else if (file_is_due(verdict, unit, *stored, today))
      queue.push_back({path.string(), index});
  }
}

}  // namespace

capsule_scan scan_capsule(const std::filesystem::path& root, long long missed_days,
                          const run_calendar& calendar, const failure_sink& report) {
  capsule_scan scan;
  // Both listings run to their end before any folder is judged.
  const std::vector<std::string> folder_names = schedule_folder_names(root, report);
  scan.root_files = listed(root, listing_mask::files, report);

  scan.folders.reserve(folder_names.size());
  for (const std::string& name : folder_names) {
    scanned_folder folder{name, evaluate_folder(name, missed_days, calendar)};
    for (const failure& f : folder.evaluation.failures) report(f);
    scan.folders.push_back(std::move(folder));
  }
  return scan;
}

opening_selection select_due_files(const std::filesystem::path& root, const capsule_scan& scan,
                                   date today, const failure_sink& report) {
  opening_selection selection;
  for (const std::string& name : scan.root_files)
    selection.open_queue.push_back({(root / name).string(), std::nullopt});
  for (size_t i = 0; i < scan.folders.size(); ++i) {
    const scanned_folder& folder = scan.folders[i];
    if (folder.evaluation.verdict.kind == due_kind::not_due) continue;
    const std::filesystem::path path = root / folder.name;
    if (enter_folder(path, report)) selection.working_folder = path.string();
    queue_folder_files(path, i, folder, today, selection.open_queue, report);
  }
  return selection;
}

}  // namespace mj
