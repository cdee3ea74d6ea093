// SPDX-License-Identifier: MIT
// Telling the user something: a modal box with an OK button when there is a
// screen to show it on, one line on stderr when there is none.
#pragma once

#include <QString>
#include <memory>

class QMessageBox;

namespace mj::platform {

// True when a display server named by DISPLAY or WAYLAND_DISPLAY answers:
// false means no usable display (none named, none there, or an X server
// that stayed silent past kDisplayAnswerLimit). Always true on Windows and
// macOS. A silent X server is told on stderr (tell_silent_display).
bool has_display();

// Call before the QApplication exists. Unless QT_QPA_PLATFORM is set, steers
// Qt past servers that are named but do not answer, to Qt's offscreen
// platform when none answers. An X server that stays silent is given up
// after about two seconds, with one line on stderr.
void use_offscreen_without_display();

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
