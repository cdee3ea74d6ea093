// SPDX-License-Identifier: MIT
#include "opener/run.h"

#include <QDir>
#include <QObject>
#include <algorithm>
#include <filesystem>

#include "base/wording.h"
#include "opener/report_text.h"
#include "platform/key_state.h"
#include "platform/local_date.h"
#include "platform/message_box.h"

namespace mj::opener {

run_services desktop_services(QObject* context) {
  run_services s;
  s.today = [] { return platform::local_date_today(); };
  s.skip_key_down = [] { return platform::insert_key_down(); };
  s.read_record = platform::read_day_record;
  s.record_started = platform::record_run_started;
  s.record_served = platform::record_day_served;
  s.hand_over = [context](const std::string& path, const std::string& working_folder,
                          platform::hand_over_done done) {
    platform::hand_to_desktop(path, working_folder, platform::kHandOverPatience, context,
                              std::move(done));
  };
  return s;
}

opener_run::opener_run(run_services services) : services_(std::move(services)) {}

void opener_run::report(const failure& f) {
  if (!is_told(f)) return;
  if (std::find(problems_.begin(), problems_.end(), f) == problems_.end()) problems_.push_back(f);
}

opener_run::start opener_run::begin(const std::string& command_line, bool skip_key) {
  if (skip_key && services_.skip_key_down && services_.skip_key_down()) {
    if (services_.tell_skipped) services_.tell_skipped();
    return start::skipped;
  }
  const failure_sink sink = [this](const failure& f) { report(f); };
  const classic_command_line request = split_command_line(command_line, sink);
  const platform::capsule_location root = platform::resolve_capsule_root(request.location);
  root_label_ = opener::root_label(root.full_path());
  canonical_root_ = platform::canonical_root_path(root.full_path());

  lock_.emplace(canonical_root_);
  switch (lock_->status()) {
    case platform::run_lock::state::held:
      break;
    case platform::run_lock::state::busy:
      return start::busy;
    case platform::run_lock::state::unavailable:
      report(*lock_->problem());
      break;
  }

  const date today = services_.today();
  start_ = run_start_from_record(services_.read_record(canonical_root_), today, sink);
  if (start_.clock_behind)
    report(make_failure(
        failure_code::invalid_argument,
        fill(localized("mj::opener::run",
                       "The clock reads %1, earlier than the last run on %2. Only the files of "
                       "the capsule root were opened, and this day is not recorded; check the "
                       "computer's date and time."),
             {day_words(today), day_words(*start_.served_through)})));
  plan_ = plan_run(root, start_, sink);
  if (!plan_.scan.root_listed && !request.location.empty()) {
    // Without a location the default capsule may simply not exist yet; a
    // location the user gave that is not there is worth a word. (One that
    // cannot be read was reported by the scan.)
    const std::string path = without_final_separators(root.full_path());
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) {
      const bool something_else = std::filesystem::exists(path, error);
      report(make_failure(
          failure_code::path_access,
          fill(something_else ? localized("mj::opener::run_window",
                                          "Capsule root %1 is not a folder. Nothing was opened; "
                                          "the next run tries again.")
                              : localized("mj::opener::run_window",
                                          "Capsule root %1 is not there. Nothing was opened; "
                                          "the next run tries again."),
               {root_label_})));
    }
  }
  // Owed from now until the run finishes; a clock behind the record records
  // nothing at all.
  if (!start_.clock_behind && plan_.scan.root_listed)
    if (const result<void> started = services_.record_started(canonical_root_, today);
        !started.ok())
      report(started.error());

  for (const queue_entry& e : plan_.selection.open_queue)
    files_.push_back({e.path, e.folder ? plan_.scan.folders[*e.folder].name : std::string()});
  working_folder_ = plan_.selection.working_folder.empty() ? QDir::currentPath().toStdString()
                                                           : plan_.selection.working_folder;
  interval_ms_ = request.interval_ms.value_or(kDefaultInterval);
  return start::running;
}

void opener_run::tick() {
  if (ended_) return;
  if (next_ < files_.size()) {
    const size_t index = next_++;
    files_[index].state = file_state::handing_over;
    ++answers_pending_;
    services_.hand_over(
        files_[index].path, working_folder_,
        [this, index](const result<void>& outcome) { on_handed_over(index, outcome); });
    return;
  }
  queue_done_ = true;
  finish_if_done();
}

void opener_run::on_handed_over(size_t index, const result<void>& outcome) {
  --answers_pending_;
  if (!outcome.ok() && !is_told(outcome.error())) {
    // Removed since the scan: nothing to open, nothing lost.
    files_[index].state = file_state::handed_over;
  } else if (!outcome.ok()) {
    ++failed_;
    files_[index].state = file_state::failed;
    report(failure{
        outcome.error().code,
        fill(localized("mj::opener::run_window", "%1 (capsule %2). The next run tries again."),
             {outcome.error().description, root_label_})});
  } else {
    files_[index].state = file_state::handed_over;
    ++came_back_[files_[index].folder];
  }
  finish_if_done();
}

void opener_run::finish_if_done() {
  if (ended_ || !queue_done_ || answers_pending_ > 0) return;
  if (!offered_ && !plan_.passed_over.empty() && services_.offer_passed_over) {
    offered_ = true;
    if (services_.offer_passed_over(plan_.passed_over)) {
      passed_over_opened_ = true;
      for (const passed_over_file& p : plan_.passed_over) files_.push_back({p.path, p.folder});
      queue_done_ = false;  // the ticks go on with them
      return;
    }
  }
  finish();
}

void opener_run::finish() {
  ended_ = true;
  const bool complete = plan_.covers_the_day() && !start_.clock_behind;
  if (complete && failed_ == 0) {
    if (const result<void> served = services_.record_served(canonical_root_, start_.calendar.today);
        !served.ok())
      report(failure{
          served.error().code,
          fill(localized("mj::opener::run_window", "%1. The next run covers these days again."),
               {served.error().description})});
    else
      day_served_ = true;
  }
  if (lock_) lock_->release();
  if (services_.ended) services_.ended();
}

void opener_run::stop() {
  if (ended_) return;
  ended_ = true;
  if (lock_) lock_->release();
  if (services_.ended) services_.ended();
}

}  // namespace mj::opener
