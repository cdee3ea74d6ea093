// The Edit menu's commands on the writer's two text controls: the message
// field (a QPlainTextEdit) and the schedule box's edit field (a QLineEdit).
// They go through these functions rather than the controls' own editing, so
// Copy without a selection copies the whole text and Paste of an empty
// clipboard removes the selection.
#pragma once

#include <QString>

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

}  // namespace mj::writer
