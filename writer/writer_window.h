// The writer's one window. The user types a message, picks or types a
// schedule name, reads under the box when a message stored there would open,
// and OK stores the message in that schedule folder. The window only wires
// its controls to the storing, reading and editing code; it is the one place
// that shows a failure or asks the user.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

#include "base/date.h"

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace mj::writer {

// Shows a failure in a modal box captioned "Morrowjar" (one stderr line when
// there is no display).
void show_failure(const QString& text);

// Asks, in a modal box whose default answer is to go back, whether to store
// a message under a schedule name that never opens; true to store. Without a
// display nobody can answer: one stderr line, and false.
bool ask_to_store_anyway(const QString& question);

// The local date and time now.
wall_time local_wall_time_now();

// The top left corner that centres a window of outer size `window` on
// `screen` (halves rounded down).
QPoint centred_top_left(QSize window, QRect screen);

// What the window needs from outside: tests replace the boxes and the clock.
struct writer_services {
  std::function<void(const QString&)> report = show_failure;
  std::function<bool(const QString&)> ask = ask_to_store_anyway;
  std::function<wall_time()> now = local_wall_time_now;
};

class writer_window : public QMainWindow {
  Q_OBJECT

 public:
  // `capsule_root` ends in a separator. The first schedule choice is dated
  // by the day `services.now` gives when the window opens.
  explicit writer_window(QString capsule_root, writer_services services = {});

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void build_controls(QWidget* client);
  void build_menu();
  void fill_schedule_choices(date today);
  void centre_on_screen();
  QWidget* active_text_control() const;
  void show_reading(const QString& schedule);

  void store_and_close();
  void cancel();
  bool enter_in_schedule_box(const QKeyEvent& key);
  void select_all();
  void copy();
  void paste();

  bool centred_ = false;
  QString capsule_root_;
  writer_services services_;

  QPlainTextEdit* message_edit_ = nullptr;
  QLabel* message_label_ = nullptr;
  QComboBox* schedule_box_ = nullptr;
  QLabel* schedule_label_ = nullptr;
  QLabel* schedule_reading_ = nullptr;
  QPushButton* ok_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  QAction* select_all_action_ = nullptr;
  QAction* copy_action_ = nullptr;
  QAction* paste_action_ = nullptr;
};

}  // namespace mj::writer
