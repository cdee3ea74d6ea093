// SPDX-License-Identifier: MIT
// Telling the user something: a modal box with an OK button when there is a
// screen to show it on, one line on stderr when there is none.
#pragma once

#include <QString>
#include <memory>

class QMessageBox;

namespace mj::platform {

enum class message_kind {
  problem,  // something failed: the warning icon
  notice,   // something the user asked for happened: the information icon
};

// A modal box with `text`, the OK button only and `title`. On the offscreen
// platform nobody could click it, so the text goes to stderr as one line.
void show_message(const QString& text, const QString& title,
                  message_kind kind = message_kind::problem);

// The box show_message shows: its icon by `kind`, and wide enough that the
// window's title bar shows the whole title, however short the text.
std::unique_ptr<QMessageBox> make_message_box(const QString& text, const QString& title,
                                              message_kind kind);

// The title of the box that says the skip key skipped a run: "Morrowjar",
// and on Windows the title that users of its first Windows release know.
QString skip_box_title();

}  // namespace mj::platform
