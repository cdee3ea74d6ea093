#include "opener/capsule_scan.h"

#include <cstdlib>

#include "platform/directory_listing.h"
#include "platform/file_attributes.h"
#include "platform/file_time.h"
#include "rules/due_files.h"

namespace mj {

namespace {

using platform::listing_mask;

// `f` told with the place it concerns and what to do about it.
failure placed(const failure& f, const std::string& where, std::string_view advice) {
  std::string text = where + ": " + f.description + ".";
  if (!advice.empty()) text += " " + std::string(advice);
  return failure{f.code, std::move(text)};
}

std::string in_root(const std::string& what, const std::filesystem::path& root) {
  return what + " in " + root_label(root);
}

std::string folder_place(const std::string& name, const std::filesystem::path& root) {
  return in_root("Folder \"" + name + "\"", root);
}

// What to do about a folder whose name cannot be read.
std::string_view name_advice(failure_code code) {
  switch (code) {
    case failure_code::type_mismatch:
      return "Rename the folder to a real date.";
    case failure_code::overflow:
      return "Rename the folder with a smaller number.";
    case failure_code::invalid_argument:
      return "Its days fall outside the years 100 to 9999: rename or remove the folder.";
    default:
      return "";
  }
}

constexpr std::string_view kTriedAgain = "Its files are not opened now; the next run tries again.";

// The listing of `folder`, or nothing after reporting why it failed.
std::optional<std::vector<std::string>> listed(const std::filesystem::path& folder,
                                               listing_mask mask, const std::string& where,
                                               std::string_view advice,
                                               const failure_sink& report) {
  result<std::vector<std::string>> names = platform::list_folder(folder, mask);
  if (names.ok()) return std::move(names.value());
  report(names.error().code == failure_code::not_found ? names.error()
                                                       : placed(names.error(), where, advice));
  return std::nullopt;
}

std::vector<std::string> schedule_folder_names(const std::filesystem::path& root,
                                               const std::vector<std::string>& entries,
                                               const failure_sink& report) {
  std::vector<std::string> names;
  for (const std::string& name : entries) {
    // An entry that vanished since the listing is reported (or, being gone,
    // kept silent) and is no schedule folder.
    const result<bool> is_folder = platform::is_schedule_folder(root, name);
    if (!is_folder.ok())
      report(placed(is_folder.error(), in_root("\"" + name + "\"", root), ""));
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
  report(make_failure(failure_code::path_not_found, "the folder " + folder.string() + " is gone"));
  return false;
}

void queue_folder_files(const std::filesystem::path& root, size_t index,
                        const scanned_folder& scanned, date today, opening_selection& selection,
                        const failure_sink& report) {
  const std::filesystem::path folder = root / scanned.name;
  const due_verdict& verdict = scanned.evaluation.verdict;
  const std::optional<date_unit> unit = repeat_unit_of(scanned.evaluation.name.rule);
  // Without a unit or a step of at least 1 no file can repeat.
  if (verdict.kind == due_kind::repeating && (!unit || verdict.repeat_every < 1)) return;
  const auto names =
      listed(folder, listing_mask::files, folder_place(scanned.name, root), kTriedAgain, report);
  if (!names) {
    selection.complete = false;
    return;
  }
  for (const std::string& name : *names) {
    const std::filesystem::path path = folder / name;
    if (verdict.kind == due_kind::all_files) {
      selection.open_queue.push_back({path.string(), index});
      continue;
    }
    const result<wall_time> stored = platform::last_modified(path);
    if (stored.ok()) {
      if (file_is_due(verdict, unit, *stored, today))
        selection.open_queue.push_back({path.string(), index});
    } else if (stored.error().code == failure_code::invalid_argument) {
      // A time no calendar day of the schedule names can reach: passed over.
      report(placed(stored.error(), in_root("File \"" + scanned.name + "/" + name + "\"", root),
                    "The file is passed over; set its time with touch to have it open."));
    } else if (stored.error().code != failure_code::not_found) {
      selection.complete = false;
      report(placed(stored.error(), in_root("File \"" + scanned.name + "/" + name + "\"", root),
                    "The next run tries again."));
    }
  }
}

}  // namespace

capsule_scan scan_capsule(const std::filesystem::path& root, long long missed_days,
                          const run_calendar& calendar, const failure_sink& report) {
  capsule_scan scan;
  const std::string where = "Capsule root " + root_label(root);
  constexpr std::string_view advice = "Nothing was opened; the next run tries again.";
  // Both listings run to their end before any folder is judged.
  const auto entries = listed(root, listing_mask::all_entries, where, advice, report);
  if (!entries) return scan;
  const std::vector<std::string> folder_names = schedule_folder_names(root, *entries, report);
  const auto root_files = listed(root, listing_mask::files, where, advice, report);
  if (!root_files) return scan;
  scan.root_files = *root_files;
  scan.root_listed = true;

  scan.folders.reserve(folder_names.size());
  for (const std::string& name : folder_names) {
    scanned_folder folder{name, evaluate_folder(name, missed_days, calendar)};
    // Missed days beyond what a window holds are no fault of the name.
    const bool too_many_missed = folder.evaluation.name.catch_up && missed_days > 32766;
    for (const failure& f : folder.evaluation.failures)
      report(placed(f, folder_place(name, root), too_many_missed ? "" : name_advice(f.code)));
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
    queue_folder_files(root, i, folder, today, selection, report);
  }
  return selection;
}

std::string without_final_separators(std::string path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

std::string root_label(const std::filesystem::path& root) {
  const std::string text = without_final_separators(root.string());
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') {
    const std::string prefix = without_final_separators(home);
    if (text == prefix) return "~";
    if (text.starts_with(prefix + "/")) return "~" + text.substr(prefix.size());
  }
  return text;
}

}  // namespace mj
