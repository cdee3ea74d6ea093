// The opener's window: shown while the queued files are handed to the
// desktop, one per tick of its timer. It holds no logic of its own: the run
// is prepared by prepare_run, and failures follow report_by_policy.
#pragma once

#include <QTimer>
#include <QWidget>
#include <string>

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
  explicit run_window(QWidget* parent = nullptr);

  // Prepares the run and starts the timer that opens its files. False when
  // the skip key ended the run: the program is then to end without showing
  // the window.
  bool start_run(const std::string& command_line);

  // True once the tick after the last file has ended the run. That tick can
  // come while a failure box of the start is still open (the timer runs from
  // before the last step): the box's own event loop then ends, and the
  // program must end too instead of showing the window.
  bool run_ended() const { return run_ended_; }

 private slots:
  void open_next_file();

 private:
  QTimer timer_;
  opening_queue queue_;
  std::string working_folder_;
  bool run_ended_ = false;
};

}  // namespace mj
