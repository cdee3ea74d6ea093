// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

namespace mj::platform {

// $XDG_CONFIG_HOME/M_Jar.conf (~/.config/M_Jar.conf).
QSettings open_settings_store() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication);
}

}  // namespace mj::platform
