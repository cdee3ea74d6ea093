// The opener's window: shown while the queued files are handed to the
// desktop one per tick of `Timer1`. It holds no logic of its own.
#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>
#include <string>

#include "opener/opening_queue.h"

namespace mj {

class f0001 : public QWidget {
  Q_OBJECT

 public:
  explicit f0001(QWidget* parent = nullptr);

  // The whole load sequence of a run. False when the skip key ended the run:
  // the program is then to end without showing the window.
  bool Form_Load(const std::string& command_line);

  // True once the tick after the last file has ended the run. That tick can
  // come while a failure box of the load handler is still open (the timer
  // runs from before the last step): the box's own event loop then ends, and
  // the program must end too instead of showing the window.
  bool run_ended() const { return run_ended_; }

 private slots:
  void Timer1_Timer();

 private:
  QTimer Timer1;
  opening_queue queue_;
  std::string working_folder_;
  bool run_ended_ = false;
};

}  // namespace mj
