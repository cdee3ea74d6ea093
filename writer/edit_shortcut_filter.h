// Lets the Edit menu's shortcuts reach the menu while a text control has the
// focus. A focused QPlainTextEdit or QLineEdit claims Ctrl+A, Ctrl+C and
// Ctrl+V for its own editing (by accepting the ShortcutOverride event), and
// the window's actions would never fire.
#pragma once

#include <QList>
#include <QObject>

class QAction;

namespace mj::writer {

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
