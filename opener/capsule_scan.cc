// SPDX-License-Identifier: MIT
#include "opener/capsule_scan.h"

#include "base/visible_text.h"
#include "base/wording.h"
#include "opener/report_text.h"
#include "platform/directory_listing.h"
#include "platform/file_attributes.h"
#include "platform/file_time.h"
#include "rules/due_files.h"

namespace mj {

namespace {

using platform::listing_mask;

// Says where a failure happened, given its description: whole sentences,
// so that a translation may order their parts.
using place = std::function<std::string(const std::string& description)>;

// Names in these sentences are shown as `printable` shows them.
place folder_place(const std::string& name, const std::filesystem::path& root) {
  return [name = printable(name), label = root_label(root)](const std::string& description) {
    return fill(localized("mj::capsule_scan", "Folder \"%1\" in %2: %3."),
                {name, label, description});
  };
}

place file_place(const std::string& folder, const std::string& file,
                 const std::filesystem::path& root) {
  return [name = printable(folder) + "/" + printable(file),
          label = root_label(root)](const std::string& description) {
    return fill(localized("mj::capsule_scan", "File \"%1\" in %2: %3."),
                {name, label, description});
  };
}

place entry_place(const std::string& name, const std::filesystem::path& root) {
  return [name = printable(name), label = root_label(root)](const std::string& description) {
    //: An entry of the capsule root, the capsule root, what went wrong.
    return fill(localized("mj::capsule_scan", "\"%1\" in %2: %3."), {name, label, description});
  };
}

place root_place(const std::filesystem::path& root) {
  return [label = root_label(root)](const std::string& description) {
    return fill(localized("mj::capsule_scan", "Capsule root %1: %2."), {label, description});
  };
}

// `f` told with the place it concerns and what to do about it.
failure placed(const failure& f, const place& where, const std::string& advice) {
  if (advice.empty()) return failure{f.code, where(f.description)};
  //: A sentence about a problem, then a sentence on what to do about it.
  return failure{f.code,
                 fill(localized("mj::capsule_scan", "%1 %2"), {where(f.description), advice})};
}

// What to do about a folder whose name cannot be read.
std::string name_advice(failure_code code) {
  switch (code) {
    case failure_code::type_mismatch:
      return localized("mj::capsule_scan", "Rename the folder to a real date.");
    case failure_code::overflow:
      return localized("mj::capsule_scan", "Rename the folder with a smaller number.");
    case failure_code::invalid_argument:
      return localized("mj::capsule_scan",
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
  report(make_failure(
      failure_code::path_not_found,
      fill(localized("mj::capsule_scan", "the folder %1 is gone"), {printable(folder.string())})));
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
  const auto names = listed(
      folder, listing_mask::files, folder_place(scanned.name, root),
      localized("mj::capsule_scan", "Its files are not opened now; the next run tries again."),
      report);
  if (!names) {
    selection.complete = false;
    return;
  }
  for (const std::string& name : *names) {
    const std::filesystem::path path = folder / name;
    // No program could be handed such a path: the file alone is passed
    // over, and the day still counts as done.
    if (const std::optional<failure> too_long = path_past_limit(root, scanned.name, name)) {
      report(*too_long);
      continue;
    }
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
      report(
          placed(stored.error(), file_place(scanned.name, name, root),
                 localized("mj::capsule_scan",
                           "The file is passed over; set its time with touch to have it open.")));
    } else if (stored.error().code != failure_code::not_found) {
      selection.complete = false;
      report(placed(stored.error(), file_place(scanned.name, name, root),
                    localized("mj::capsule_scan", "The next run tries again.")));
    }
  }
}

}  // namespace

std::optional<failure> path_past_limit(const std::filesystem::path& root, const std::string& folder,
                                       const std::string& file) {
  const std::filesystem::path path = root / folder / file;
  const size_t length = path.native().size();
  if (length <= platform::longest_path()) return std::nullopt;
  return placed(
      make_failure(failure_code::path_access,
                   fill(localized("mj::capsule_scan",
                                  "its path is %1 long, longer than the system takes (%2)"),
                        {std::to_string(length), std::to_string(platform::longest_path())})),
      file_place(folder, file, root),
      localized("mj::capsule_scan",
                "The file is passed over; move it to a shorter path to have it open."));
}

capsule_scan scan_capsule(const std::filesystem::path& root, long long missed_days,
                          const run_calendar& calendar, const failure_sink& report) {
  capsule_scan scan;
  const place where = root_place(root);
  const std::string advice =
      localized("mj::capsule_scan", "Nothing was opened; the next run tries again.");
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

}  // namespace mj
