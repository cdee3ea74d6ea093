// SPDX-License-Identifier: MIT
// One run of the opener, from its start to the record of the day, without a
// window: the skip key, the lock, the days to serve, the plan, the hand-over
// of one file per tick, and the record at the end. What lies outside (the
// desktop, the settings store, the clock, the skip key, the boxes) comes in as
// services, so that the window, `--watch` and the tests drive the same run.
//
// A day counts as served only when its work is: after every queued file was
// taken by the desktop. A run that ends early (window closed, SIGTERM at
// logout, killed) leaves its day owed, and the next run opens that day's
// files too, as a day that had a run: a file may open twice, none is lost.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/failure.h"
#include "opener/run_plan.h"
#include "platform/day_record.h"
#include "platform/hand_over.h"
#include "platform/run_lock.h"

namespace mj::opener {

struct run_services {
  std::function<date()> today;
  std::function<bool()> skip_key_down;
  // Shows the skip box and returns when it was closed.
  std::function<void()> tell_skipped;
  std::function<result<platform::day_record>(const std::string& canonical_root)> read_record;
  std::function<result<void>(const std::string& canonical_root, date day)> record_started;
  std::function<result<void>(const std::string& canonical_root, date day)> record_served;
  // Hands a file to the desktop; `done` comes later, once.
  std::function<void(const std::string& path, const std::string& working_folder,
                     platform::hand_over_done done)>
      hand_over;
  // Asked once, when the queue is done, whether to open the messages that
  // came due on days without a run; unset: they are only listed.
  std::function<bool(const std::vector<passed_over_file>&)> offer_passed_over;
  // Called once when the run has ended, finished or stopped.
  std::function<void()> ended;
};

// The real services of this system, for `context`'s event loop.
run_services desktop_services(QObject* context);

class opener_run {
 public:
  enum class start { running, skipped, busy };
  enum class file_state { waiting, handing_over, handed_over, failed };

  struct queued_file {
    std::string path;
    std::string folder;  // "" for the capsule root's own files
    file_state state = file_state::waiting;
  };

  explicit opener_run(run_services services);

  // Honours the skip key (when `skip_key`), takes the lock, reads the record,
  // plans the run and notes that today's run started. `busy` when another run
  // holds the root's lock: nothing is opened then, and `ended` is not called.
  start begin(const std::string& command_line, bool skip_key = true);

  int interval_ms() const { return interval_ms_; }

  // One tick of the run's timer: hands the next file over, or, once every file
  // was handed over and the desktop has answered for each, ends the run.
  void tick();

  // Ends the run where it is (its window was closed): nothing more is handed
  // over and the day stays owed.
  void stop();

  bool ended() const { return ended_; }
  bool day_served() const { return day_served_; }
  date today() const { return start_.calendar.today; }
  const std::string& root_label() const { return root_label_; }
  const std::vector<queued_file>& files() const { return files_; }
  size_t handed_over() const { return next_; }
  const std::vector<passed_over_file>& passed_over() const { return plan_.passed_over; }
  // Whether the passed-over messages were opened at this run.
  bool passed_over_opened() const { return passed_over_opened_; }
  // The files the desktop took, counted by schedule folder ("" for the root).
  const std::map<std::string, int>& came_back() const { return came_back_; }
  // Every problem met, once each, in order ("not found" is never one).
  const std::vector<failure>& problems() const { return problems_; }

 private:
  void report(const failure& f);
  void on_handed_over(size_t index, const result<void>& outcome);
  void finish_if_done();
  void finish();

  run_services services_;
  std::optional<platform::run_lock> lock_;
  std::string canonical_root_;
  std::string root_label_;
  std::string working_folder_;
  int interval_ms_ = kDefaultInterval;
  run_start start_;
  run_plan plan_;
  std::vector<queued_file> files_;
  size_t next_ = 0;
  size_t answers_pending_ = 0;
  size_t failed_ = 0;
  bool queue_done_ = false;
  bool offered_ = false;
  bool passed_over_opened_ = false;
  bool ended_ = false;
  bool day_served_ = false;
  std::map<std::string, int> came_back_;
  std::vector<failure> problems_;
};

}  // namespace mj::opener
