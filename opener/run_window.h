// The opener's window: shown while the queued files are handed to the
// desktop, one per tick of its timer. It holds no logic of its own: the run
// is planned by plan_run, and failures follow report_by_policy.
//
// The day counts as done only when its work is: "prev_date" is stored after
// the last queued file was handed over, never before. A run that ends early
// (window closed, SIGTERM at logout, killed) stores nothing, so the next run
// covers the same days again: a file may open twice, none is lost.
#pragma once

#include <QLockFile>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/failure.h"
#include "opener/run_plan.h"

namespace mj {

inline constexpr char kProgramTitle[] = "Morrowjar";

// The failure policy of the opener's run: a "not found" failure is silent
// (it only ends a listing), any other one is shown in a box with an OK button
// (one stderr line without a display), and either way the run goes on.
void report_by_policy(const failure& f);

class run_window : public QWidget {
  Q_OBJECT

 public:
  enum class start { running, skipped, busy };

  explicit run_window(QWidget* parent = nullptr);
  ~run_window() override;

  // Where the run's failures go; report_by_policy unless set before start_run.
  void set_reporter(failure_sink report) { report_ = std::move(report); }

  // Takes the run's lock, plans the run and starts the timer that opens its
  // files. `skipped` when the skip key (looked at only with `skip_key`) ended
  // the run, `busy` when another run on the same capsule root holds the
  // lock: no file is opened then, and `finished` is not emitted.
  start start_run(const std::string& command_line, bool skip_key = true);

  // What the box says when the skip key skipped the run.
  static QString skipped_text();

  // Whether the run has files to open: a run with none needs no window.
  bool has_files() const { return queue_.size() > 0; }

  // The files handed over so far, counted by schedule folder ("" for the
  // capsule root's own files).
  const std::map<std::string, int>& came_back() const { return came_back_; }

  // Whether the end of the run stored its day as done.
  bool day_stored() const { return day_stored_; }

  // True once the tick after the last file has ended the run. That tick can
  // come while a failure box of the start is still open: the box's own event
  // loop then ends, and the program must end too instead of showing the
  // window.
  bool run_ended() const { return run_ended_; }

 protected:
  // Closing the window ends the run where it is: no further file is handed
  // over and the day is not marked as done (`finished` is still emitted).
  void closeEvent(QCloseEvent* event) override;

 signals:
  // The run is over: after its last file (its day stored or not), or when
  // its window was closed.
  void finished();

 private slots:
  void open_next_file();

 private:
  void finish_run();

  failure_sink report_ = report_by_policy;
  QTimer timer_;
  std::unique_ptr<QLockFile> lock_;
  opening_queue queue_;
  std::vector<std::string> folder_of_;  // per queued file, its folder ("" for the root)
  std::map<std::string, int> came_back_;
  bool day_stored_ = false;
  std::string working_folder_;
  std::string root_label_;
  std::string today_;  // in its stored form, to write back at the end
  bool covers_the_day_ = false;
  bool run_ended_ = false;
};

}  // namespace mj
