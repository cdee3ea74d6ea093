// SPDX-License-Identifier: MIT
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
#include <optional>

#include "base/date.h"

class QAction;
class QCloseEvent;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace mj::writer {

// Shows a failure in a modal box captioned "Morrowjar" (one stderr line when
// there is no display).
void show_failure(const QString& text);

// Asks `question` in a modal box with the buttons `yes` and `no`, whose
// default answer (Enter, Esc, closing the box) is `no`; true for `yes`.
// Without a display nobody can answer: one stderr line, and false.
bool ask_user(const QString& question, const QString& yes, const QString& no);

// The local date and time now.
wall_time local_wall_time_now();

// The last day whose run of the opener finished for `capsule_root`, from the
// opener's record; nothing before the first run, and nothing when the record
// cannot be read (the reading then counts today as ahead).
std::optional<date> served_through_of(const QString& capsule_root);

// Writes the path of the stored message file to stdout, one line.
void print_stored_path(const QString& path);

// `path` for people: the home folder written "~", separators as the system
// writes them, no final separator.
QString path_for_people(const QString& path);

// The top left corner that centres a window of outer size `window` on
// `screen` (halves rounded down).
QPoint centred_top_left(QSize window, QRect screen);

// What the window needs from outside: tests replace the boxes, the clock and
// the opener's record.
struct writer_services {
  std::function<void(const QString&)> report = show_failure;
  std::function<bool(const QString& question, const QString& yes, const QString& no)> ask =
      ask_user;
  std::function<wall_time()> now = local_wall_time_now;
  std::function<std::optional<date>(const QString& capsule_root)> served_through =
      served_through_of;
  std::function<void(const QString& path)> stored = print_stored_path;
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
  // Asks before a message with text is thrown away; an empty one goes at once.
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_controls(QWidget* client);
  void build_menu();
  void fill_schedule_choices(date today);
  void centre_on_screen();
  QWidget* active_text_control() const;
  void show_reading(const QString& schedule);
  void fit_reading();
  void report_unusable_root();
  bool holds_text() const;

  void store_and_close();
  void cancel();
  bool enter_in_schedule_box(const QKeyEvent& key);
  bool confirm_empty_schedule();
  void select_all();
  void copy();
  void paste();

  bool centred_ = false;
  bool stored_ = false;  // the message is stored: closing loses nothing
  QString capsule_root_;
  writer_services services_;
  std::optional<date> served_through_;

  // Where the reading line and the buttons sit while the reading fits one line.
  QSize client_size_;
  QRect reading_place_;
  QRect ok_place_;
  QRect cancel_place_;

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
