// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

namespace mj::platform {

// The key named outright: QSettings given only an organization ("M_Jar")
// would keep the values in its subkey OrganizationDefaults instead.
QSettings open_settings_store() {
  return QSettings(
      QStringLiteral("HKEY_CURRENT_USER\\Software\\") + QLatin1String(kSettingsApplication),
      QSettings::NativeFormat);
}

}  // namespace mj::platform
