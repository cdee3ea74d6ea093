// SPDX-License-Identifier: MIT
// `m_jar --watch`: the opener stays resident without a window and makes its
// run again whenever the local date has changed since the day last served:
// at local midnight, after the computer wakes from sleep, when the time zone
// changes, and at once after a run that ended on a later day than it began. Each run is the plain
// run (same plan, same lock, the day stored at its end), with a window only while it opens files,
// and one desktop notification of what came back.
#pragma once

#include <QObject>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "opener/run_window.h"
#include "platform/desktop_notice.h"

namespace mj::opener {

// The notice after a run: "3 capsules came back: TOMORROW (2), 12-25 (1)",
// the capsule root's own files as "capsule root". Empty when none came back.
std::string came_back_summary(const std::map<std::string, int>& came_back);

class day_watcher : public QObject {
  Q_OBJECT

 public:
  // `command_line` is the classic one (delay and location); `notify` sends
  // the desktop notification after each run that had something to tell.
  day_watcher(std::string command_line, bool notify);
  ~day_watcher() override;

  // Makes the first run at once (the skip key counts for it), then waits.
  void start();

 private:
  // Makes a run when today is not served yet and no run is going on.
  void run_if_new_day(bool first);
  void on_run_finished();
  void arm_midnight();
  // Sends the notice of a run; `problems_to_show` are shown in a box when no
  // notification server takes it.
  void notify_desktop(const std::string& summary, const std::string& body,
                      const std::vector<passed_over_file>& passed_over,
                      std::vector<failure> problems_to_show);
  void open_passed_over(const std::vector<passed_over_file>& files);

  std::string command_line_;
  bool notify_;
  QTimer midnight_;
  std::unique_ptr<run_window> run_;
  std::optional<date> served_day_;  // the last day a run of this watch served
  QTimer busy_retry_;               // while another run holds the lock
  bool login_run_ = false;          // the run going on, or the last, is the first
  std::unique_ptr<platform::desktop_notices> notices_;  // none with --quiet
};

}  // namespace mj::opener
