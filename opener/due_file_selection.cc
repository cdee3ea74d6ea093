#include "opener/due_file_selection.h"

#include "opener/due_file_rule.h"
#include "platform/directory_listing.h"
#include "rules/rule_forms.h"

namespace mj {

namespace {

constexpr int kPathNotFound = 76;

bool is_due_kind(int16_t flag) { return flag >= kWholeFolder && flag <= kWithinRange; }

// Stands for making the folder current: a folder removed since the scan is
// reported, and its listing then finds nothing.
bool enter_folder(const std::filesystem::path& folder, const failure_sink& report) {
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return true;
  report(failure{kPathNotFound, "Path not found: " + folder.string()});
  return false;
}

void queue_folder_files(const std::filesystem::path& folder, size_t index,
                        const scanned_folder& scanned, date today, std::vector<queue_entry>& queue,
                        const failure_sink& report) {
  const folder_result& result = scanned.evaluation.result;
  std::optional<date_unit> unit;
  if (result.flag == kRepeating) {
    if (const auto repeating = match_repeating(scanned.evaluation.name.rule_name))
      unit = repeating->unit;
    // Without a unit or a step of at least 1 no file can repeat.
    if (!unit || result.interval < 1) return;
  }
  std::vector<std::string> names;
  run_step(report, [&] { names = platform::list_folder(folder, platform::listing_mask::files); });
  for (const std::string& name : names) {
    const std::filesystem::path path = folder / name;
    run_step(report, [&] {
      if (result.flag == kWholeFolder ||
          file_is_due(result, unit, platform::last_modified(path), today))
        queue.push_back({path.string(), index});
    });
  }
}

}  // namespace

opening_selection select_due_files(const std::filesystem::path& root, const capsule_scan& scan,
                                   date today, const failure_sink& report) {
  opening_selection selection;
  for (const std::string& name : scan.root_files)
    selection.open_queue.push_back({(root / name).string(), std::nullopt});
  for (size_t i = 0; i < scan.folders.size(); ++i) {
    const scanned_folder& folder = scan.folders[i];
    if (!is_due_kind(folder.evaluation.result.flag)) continue;
    const std::filesystem::path path = root / folder.name;
    if (enter_folder(path, report)) selection.working_folder = path.string();
    queue_folder_files(path, i, folder, today, selection.open_queue, report);
  }
  return selection;
}

}  // namespace mj
