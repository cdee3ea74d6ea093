// SPDX-License-Identifier: MIT
#include "platform/display_servers.h"

#include <QByteArray>
#include <QtGlobal>

namespace mj::platform {

std::string qt_platforms_for(const display_servers& found) {
  if (found.native) return {};
  // Qt picks X11 or Wayland by itself and falls back from one to the other,
  // but not past the last: safe when X answers and any Wayland named does.
  if (found.x11_answers && (!found.wayland_named || found.wayland_answers)) return {};
  std::string platforms;
  if (found.wayland_answers) platforms += "wayland;";
  if (found.x11_answers) platforms += "xcb;";
  return platforms + "offscreen";
}

bool has_display() {
  const display_servers found = probe_display_servers();
  const bool usable = found.native || found.x11_answers || found.wayland_answers;
  if (!usable && found.x11_silent) tell_silent_display();
  return usable;
}

void use_offscreen_without_display() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
  const display_servers found = probe_display_servers();
  if (found.x11_silent) tell_silent_display();
  const std::string platforms = qt_platforms_for(found);
  if (!platforms.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platforms));
}

}  // namespace mj::platform
