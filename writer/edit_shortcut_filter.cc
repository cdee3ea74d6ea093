#include "writer/edit_shortcut_filter.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>

namespace mj::writer {

edit_shortcut_filter::edit_shortcut_filter(QList<QAction*> actions, QObject* parent)
    : QObject(parent), actions_(std::move(actions)) {}

bool edit_shortcut_filter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
  const QKeySequence typed(static_cast<QKeyEvent*>(event)->keyCombination());
  for (const QAction* action : actions_) {
    if (action->shortcut() == typed) {
      // Left ignored, the key goes on to the shortcut map and so to the action.
      event->ignore();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace mj::writer
