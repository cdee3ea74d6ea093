// Form1: the writer's one window. The user types a message, picks or types a
// schedule name, and OK stores the message in that schedule folder. The form
// only wires controls to the storing and editing code.
#pragma once

#include <QMainWindow>
#include <QString>

#include "rules/calendar.h"
#include "writer/reporter.h"

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

class Form1 : public QMainWindow {
 public:
  // `capsule_root` ends in a separator; `today` dates the first schedule
  // choice; `report` shows failures while storing.
  Form1(QString capsule_root, date today, reporter report = show_failure);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void build_controls(QWidget* client);
  void build_menu();
  void fill_schedule_choices(date today);
  void centre_on_screen();
  QWidget* active_text_control() const;

  void MB_OK_Click();
  void MB_CANCEL_Click();
  bool CB_DIRECTORY_KeyDown(const QKeyEvent& key);
  void EDIT_ALLSEL_Click();
  void EDIT_COPY_Click();
  void EDIT_PASTE_Click();

  bool centred_ = false;
  QString capsule_root_;
  reporter report_;

  QPlainTextEdit* TB_COMMENT = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* CB_DIRECTORY = nullptr;
  QLabel* Label3 = nullptr;
  QPushButton* MB_OK = nullptr;
  QPushButton* MB_CANCEL = nullptr;
  QAction* EDIT_ALLSEL = nullptr;
  QAction* EDIT_COPY = nullptr;
  QAction* EDIT_PASTE = nullptr;
};

}  // namespace mj::writer
