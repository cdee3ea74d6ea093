// SPDX-License-Identifier: MIT
// The opener's one stored value: the per-user settings store of application
// "M_Jar" (a file under $XDG_CONFIG_HOME on Linux, the registry on Windows).
#pragma once

#include <QSettings>
#include <QString>
#include <optional>

#include "base/failure.h"

namespace mj::platform {

inline constexpr char kSettingsApplication[] = "M_Jar";

// The store itself: M_Jar.conf under $XDG_CONFIG_HOME (settings_store_posix.cc);
// the registry key HKEY_CURRENT_USER\Software\M_Jar (settings_store_win32.cc),
// whose sections are its subkeys.
QSettings open_settings_store();

// The text stored under `section`/`key`; empty when there is none.
QString read_setting(const QString& section, const QString& key);

// Stores `value`; a store that cannot be written gives a failure.
result<void> write_setting(const QString& section, const QString& key, const QString& value);

}  // namespace mj::platform
