// SPDX-License-Identifier: MIT
#include "opener/capsule_scan.h"

#include <functional>
#include <type_traits>

#include "base/visible_text.h"
#include "base/wording.h"
#include "opener/report_text.h"
#include "platform/directory_listing.h"
#include "platform/file_attributes.h"
#include "platform/file_time.h"
#include "rules/due_files.h"

namespace mj::opener {

namespace {

using platform::listing_mask;

// Says where a failure happened, given its description: whole sentences,
// so that a translation may order their parts.
using place = std::function<std::string(const std::string& description)>;

// Names in these sentences are shown as `printable` shows them.
place folder_place(const std::string& name, const std::filesystem::path& root) {
  return [name = printable(name), label = root_label(root)](const std::string& description) {
    return fill(localized("mj::opener::capsule_scan", "Folder \"%1\" in %2: %3."),
                {name, label, description});
  };
}

place file_place(const std::string& folder, const std::string& file,
                 const std::filesystem::path& root) {
  return [name = printable(folder) + "/" + printable(file),
          label = root_label(root)](const std::string& description) {
    return fill(localized("mj::opener::capsule_scan", "File \"%1\" in %2: %3."),
                {name, label, description});
  };
}

place entry_place(const std::string& name, const std::filesystem::path& root) {
  return [name = printable(name), label = root_label(root)](const std::string& description) {
    //: An entry of the capsule root, the capsule root, what went wrong.
    return fill(localized("mj::opener::capsule_scan", "\"%1\" in %2: %3."),
                {name, label, description});
  };
}

place root_place(const std::filesystem::path& root) {
  return [label = root_label(root)](const std::string& description) {
    return fill(localized("mj::opener::capsule_scan", "Capsule root %1: %2."),
                {label, description});
  };
}

// `f` told with the place it concerns and what to do about it.
failure placed(const failure& f, const place& where, const std::string& advice) {
  if (advice.empty()) return failure{f.code, where(f.description)};
  //: A sentence about a problem, then a sentence on what to do about it.
  return failure{
      f.code, fill(localized("mj::opener::capsule_scan", "%1 %2"), {where(f.description), advice})};
}

// What to do about a folder whose name cannot be read.
std::string name_advice(failure_code code) {
  switch (code) {
    case failure_code::type_mismatch:
      return localized("mj::opener::capsule_scan", "Rename the folder to a real date.");
    case failure_code::overflow:
      return localized("mj::opener::capsule_scan", "Rename the folder with a smaller number.");
    case failure_code::invalid_argument:
      return localized("mj::opener::capsule_scan",
                       "Its days fall outside the years 100 to 9999: rename or remove the folder.");
    default:
      return "";
  }
}

// The listing of `folder`, or nothing after reporting why it failed.
std::optional<std::vector<std::string>> listed(const std::filesystem::path& folder,
                                               listing_mask mask, const place& where,
                                               const std::string& advice,
                                               const failure_sink& report) {
  result<std::vector<std::string>> names = platform::list_folder(folder, mask);
  if (names.ok()) return std::move(names.value());
  report(!is_told(names.error()) ? names.error() : placed(names.error(), where, advice));
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
      report(placed(is_folder.error(), entry_place(name, root), ""));
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
  report(make_failure(failure_code::path_not_found,
                      fill(localized("mj::opener::capsule_scan", "the folder %1 is gone"),
                           {printable_path(folder.string())})));
  return false;
}

// Queues one file of a due folder: its path, unless no program could be
// handed it (passed over on its own; the day still counts as done).
void queue_file(const folder_paths& paths, const std::string& name, size_t index,
                opening_selection& selection, const failure_sink& report) {
  if (const result<void> within = paths.past_limit(name); !within.ok()) {
    report(within.error());
    return;
  }
  selection.open_queue.push_back({paths.path_of(name), index});
}

void queue_folder_files(const std::filesystem::path& root, size_t index,
                        const scanned_folder& scanned, date today, opening_selection& selection,
                        const failure_sink& report) {
  const folder_paths paths(root, scanned.name);
  const due_verdict& verdict = scanned.evaluation.verdict;
  const std::optional<date_unit> unit = repeat_unit_of(scanned.evaluation.name.rule);
  // Without a unit or a step of at least 1 no file can repeat.
  if (verdict.kind == due_kind::repeating && (!unit || verdict.repeat_every < 1)) return;
  const std::string advice = localized("mj::opener::capsule_scan",
                                       "Its files are not opened now; the next run tries again.");
  if (verdict.kind == due_kind::all_files) {
    // Every file opens, whatever its time: none is read.
    const auto names = listed(paths.folder(), listing_mask::files, folder_place(scanned.name, root),
                              advice, report);
    if (!names) {
      selection.complete = false;
      return;
    }
    for (const std::string& name : *names) queue_file(paths, name, index, selection, report);
    return;
  }
  // The files and their times in one pass over the folder.
  result<std::vector<platform::timed_file>> files = platform::list_files_with_times(paths.folder());
  if (!files.ok()) {
    report(!is_told(files.error())
               ? files.error()
               : placed(files.error(), folder_place(scanned.name, root), advice));
    selection.complete = false;
    return;
  }
  for (const platform::timed_file& file : *files) {
    if (const result<void> within = paths.past_limit(file.name); !within.ok()) {
      report(within.error());
      continue;
    }
    const result<wall_time>& stored = file.modified;
    if (stored.ok()) {
      if (file_is_due(verdict, unit, *stored, today))
        selection.open_queue.push_back({paths.path_of(file.name), index});
    } else if (stored.error().code == failure_code::invalid_argument) {
      // A time no calendar day of the schedule names can reach: passed over.
      report(
          placed(stored.error(), file_place(scanned.name, file.name, root),
                 localized("mj::opener::capsule_scan",
                           "The file is passed over; set its time with touch to have it open.")));
    } else if (is_told(stored.error())) {
      selection.complete = false;
      report(placed(stored.error(), file_place(scanned.name, file.name, root),
                    localized("mj::opener::capsule_scan", "The next run tries again.")));
    }
  }
}

}  // namespace

folder_paths::folder_paths(const std::filesystem::path& root, const std::string& folder)
    : root_(root), name_(folder), folder_(root / folder), prefix_(folder_.native()) {
  prefix_ += std::filesystem::path::preferred_separator;
}

namespace {

// Where paths are bytes, joining a folder's path and a file's name is
// appending the name to the folder's path and a separator; elsewhere the
// path joins them.
template <typename Native>
std::string joined(const Native& prefix, const std::filesystem::path& folder,
                   const std::string& file) {
  if constexpr (std::is_same_v<Native, std::string>)
    return prefix + file;
  else
    return (folder / file).string();
}

template <typename Native>
size_t joined_length(const Native& prefix, const std::string& file) {
  if constexpr (std::is_same_v<Native, std::string>)
    return prefix.size() + file.size();
  else
    return prefix.size() + std::filesystem::path(file).native().size();
}

}  // namespace

std::string folder_paths::path_of(const std::string& file) const {
  return joined(prefix_, folder_, file);
}

result<void> folder_paths::past_limit(const std::string& file) const {
  const size_t length = joined_length(prefix_, file);
  if (length <= platform::longest_path()) return {};
  return placed(
      make_failure(failure_code::path_access,
                   fill(localized("mj::opener::capsule_scan",
                                  "its path is %1 long, longer than the system takes (%2)"),
                        {std::to_string(length), std::to_string(platform::longest_path())})),
      file_place(name_, file, root_),
      localized("mj::opener::capsule_scan",
                "The file is passed over; move it to a shorter path to have it open."));
}

capsule_scan scan_capsule(const std::filesystem::path& root, long long missed_days,
                          const run_calendar& calendar, const failure_sink& report) {
  capsule_scan scan;
  const place where = root_place(root);
  const std::string advice =
      localized("mj::opener::capsule_scan", "Nothing was opened; the next run tries again.");
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

}  // namespace mj::opener
