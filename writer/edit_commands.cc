// SPDX-License-Identifier: MIT
#include "writer/edit_commands.h"

#include <QAction>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace mj::writer {

namespace {

QString with_plain_line_breaks(QString text) {
  text.replace(QChar::ParagraphSeparator, u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  return text;
}

QString selected_text(QWidget* control) {
  if (auto* field = qobject_cast<QPlainTextEdit*>(control))
    return with_plain_line_breaks(field->textCursor().selectedText());
  if (auto* line = qobject_cast<QLineEdit*>(control)) return line->selectedText();
  return {};
}

bool is_text_control(QWidget* control) {
  return qobject_cast<QPlainTextEdit*>(control) || qobject_cast<QLineEdit*>(control);
}

}  // namespace

QString whole_text(QWidget* control) {
  if (auto* field = qobject_cast<QPlainTextEdit*>(control))
    return with_plain_line_breaks(field->document()->toRawText());
  if (auto* line = qobject_cast<QLineEdit*>(control)) return line->text();
  return {};
}

bool select_all_text(QWidget* control) {
  if (auto* field = qobject_cast<QPlainTextEdit*>(control)) {
    field->selectAll();
    return true;
  }
  if (auto* line = qobject_cast<QLineEdit*>(control)) {
    line->selectAll();
    return true;
  }
  return false;
}

bool copy_text(QWidget* control, QClipboard* clipboard) {
  if (!is_text_control(control)) return false;
  const QString selection = selected_text(control);
  clipboard->setText(selection.isEmpty() ? whole_text(control) : selection);
  return true;
}

bool paste_text(QWidget* control, QClipboard* clipboard) {
  const QString text = clipboard->text();
  if (auto* field = qobject_cast<QPlainTextEdit*>(control)) {
    QTextCursor cursor = field->textCursor();
    cursor.insertText(text);
    field->setTextCursor(cursor);
    return true;
  }
  if (auto* line = qobject_cast<QLineEdit*>(control)) {
    line->insert(text);
    return true;
  }
  return false;
}

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
