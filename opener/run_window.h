// SPDX-License-Identifier: MIT
// The opener's window: shown while the queued files are handed to the
// desktop, one per tick of its timer. It shows the run (the capsule, each
// file that came back and whether the desktop took it, how many are left)
// and holds no logic of its own: the run is an opener_run.
//
// Closing the window stops the run where it is: nothing more is handed over,
// and the day stays owed to the next run, which opens its files.
#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "opener/run.h"

class QLabel;
class QListWidget;

namespace mj::opener {

inline constexpr char kProgramTitle[] = "Morrowjar";

class run_window : public QWidget {
  Q_OBJECT

 public:
  using start = opener_run::start;

  // `interactive`: started by a person (a login or by hand), who is asked in
  // a box whether to open the messages passed over on days without a run.
  explicit run_window(bool interactive = true, QWidget* parent = nullptr);
  ~run_window() override;

  // Starts the run and its timer. `skipped` when the skip key (looked at only
  // with `skip_key`) ended the run, `busy` when another run on the same
  // capsule root holds the lock (a line on stderr says so): no file is opened
  // then, and `finished` is not emitted.
  start start_run(const std::string& command_line, bool skip_key = true);

  // What the box says when the skip key skipped the run.
  static QString skipped_text();

  const opener_run& run() const { return *run_; }
  bool has_files() const { return !run_->files().empty(); }
  bool run_ended() const { return run_->ended(); }
  bool day_stored() const { return run_->day_served(); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 signals:
  // The run is over: after its last file (its day stored or not), or when
  // its window was closed.
  void finished();

 private:
  void tick();
  void show_progress();

  std::unique_ptr<opener_run> run_;
  QTimer timer_;
  QLabel* heading_;
  QListWidget* list_;
  QLabel* hint_;
};

// Lists the problems of a run in one box (one stderr line each without a
// display), with what to do about each; nothing when there are none.
void show_problems(const std::vector<failure>& problems);

}  // namespace mj::opener
