// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QSettings>

namespace mj::platform {

namespace {

QString key_path(const QString& section, const QString& key) { return section + "/" + key; }

}  // namespace

// Linux: $XDG_CONFIG_HOME/M_Jar.conf; Windows: HKEY_CURRENT_USER\Software\M_Jar.
QString read_setting(const QString& section, const QString& key) {
  const QSettings store(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication);
  return store.value(key_path(section, key)).toString();
}

std::optional<failure> write_setting(const QString& section, const QString& key,
                                     const QString& value) {
  QSettings store(QSettings::NativeFormat, QSettings::UserScope, kSettingsApplication);
  store.setValue(key_path(section, key), value);
  store.sync();
  if (store.status() == QSettings::NoError) return std::nullopt;
  return make_failure(failure_code::path_access,
                      QCoreApplication::translate("mj::platform::settings_store",
                                                  "the settings store %1 cannot be written")
                          .arg(store.fileName())
                          .toStdString());
}

}  // namespace mj::platform
