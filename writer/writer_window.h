// The writer's one window. The user types a message, picks or types a
// schedule name, and OK stores the message in that schedule folder. The
// window only wires its controls to the storing and editing code.
#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "base/date.h"
#include "writer/capsule_store.h"

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

// The top left corner that centres a window of outer size `window` on
// `screen` (halves rounded down).
QPoint centred_top_left(QSize window, QRect screen);

class writer_window : public QMainWindow {
 public:
  // `capsule_root` ends in a separator; `today` dates the first schedule
  // choice; `report` shows failures while storing.
  writer_window(QString capsule_root, date today, reporter report = show_failure);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void build_controls(QWidget* client);
  void build_menu();
  void fill_schedule_choices(date today);
  void centre_on_screen();
  QWidget* active_text_control() const;

  void store_and_close();
  void cancel();
  bool enter_in_schedule_box(const QKeyEvent& key);
  void select_all();
  void copy();
  void paste();

  bool centred_ = false;
  QString capsule_root_;
  reporter report_;

  QPlainTextEdit* message_edit_ = nullptr;
  QLabel* message_label_ = nullptr;
  QComboBox* schedule_box_ = nullptr;
  QLabel* schedule_label_ = nullptr;
  QPushButton* ok_button_ = nullptr;
  QPushButton* cancel_button_ = nullptr;
  QAction* select_all_action_ = nullptr;
  QAction* copy_action_ = nullptr;
  QAction* paste_action_ = nullptr;
};

}  // namespace mj::writer
