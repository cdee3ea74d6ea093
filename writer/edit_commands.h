// SPDX-License-Identifier: MIT
// The Edit menu's commands on the writer's two text controls: the message
// field (a QPlainTextEdit) and the schedule box's edit field (a QLineEdit).
// They go through these functions rather than the controls' own editing, so
// Copy without a selection copies the whole text and Paste of an empty
// clipboard removes the selection.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QClipboard;
class QWidget;

namespace mj::writer {

// Each does nothing and returns false when `control` is neither a
// QPlainTextEdit nor a QLineEdit.
bool select_all_text(QWidget* control);
bool copy_text(QWidget* control, QClipboard* clipboard);
bool paste_text(QWidget* control, QClipboard* clipboard);

// The whole text of `control` with every line break as "\n" (a multi-line
// field keeps paragraph and line separators of its own). Non-breaking spaces
// and other characters stay as typed.
QString whole_text(QWidget* control);

// Lets the Edit menu's shortcuts reach the menu while a text control has the
// focus. A focused QPlainTextEdit or QLineEdit claims Ctrl+A, Ctrl+C and
// Ctrl+V for its own editing (by accepting the ShortcutOverride event), and
// the window's actions would never fire.
class edit_shortcut_filter : public QObject {
 public:
  // Routes the shortcuts of `actions` to them; install on each text control.
  edit_shortcut_filter(QList<QAction*> actions, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QList<QAction*> actions_;
};

}  // namespace mj::writer
