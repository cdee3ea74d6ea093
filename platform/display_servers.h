// SPDX-License-Identifier: MIT
// Which display servers a session names, whether they answer, and so which
// Qt platforms can start: Qt aborts when the only servers it tries do not
// answer (DISPLAY=:99 with no X server, a Wayland socket that has gone).
#pragma once

#include <string>

namespace mj::platform {

struct display_servers {
  bool native = false;           // Windows, macOS: their own window system, always there
  bool x11_named = false;        // DISPLAY is set
  bool x11_answers = false;      // and a connection to that server opens
  bool wayland_named = false;    // WAYLAND_DISPLAY is set
  bool wayland_answers = false;  // and its socket accepts a connection
  bool x11_silent = false;       // the X server took the connection but did not answer in time
};

// Asks the servers named by DISPLAY and WAYLAND_DISPLAY whether they answer.
// An X server that takes the connection but stays silent is given up after
// kDisplayAnswerLimit (platform/x11_display.h): it counts as not answering.
display_servers probe_display_servers();

// One line on stderr, naming the program: the X server named by DISPLAY
// did not answer, so the program goes on without it.
void tell_silent_display();

// The Qt platforms to try in turn (a QT_QPA_PLATFORM value) so that Qt never
// meets only servers that do not answer: empty when Qt's own choice is safe,
// otherwise those of the answering servers, then "offscreen".
std::string qt_platforms_for(const display_servers& found);

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

}  // namespace mj::platform
