// SPDX-License-Identifier: MIT
#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QSettings>

namespace mj::platform {

namespace {

QString key_path(const QString& section, const QString& key) { return section + "/" + key; }

}  // namespace

QString read_setting(const QString& section, const QString& key) {
  const QSettings store = open_settings_store();
  return store.value(key_path(section, key)).toString();
}

result<void> write_setting(const QString& section, const QString& key, const QString& value) {
  QSettings store = open_settings_store();
  store.setValue(key_path(section, key), value);
  store.sync();
  if (store.status() == QSettings::NoError) return {};
  return make_failure(failure_code::path_access,
                      QCoreApplication::translate("mj::platform::settings_store",
                                                  "the settings store %1 cannot be written")
                          .arg(store.fileName())
                          .toStdString());
}

}  // namespace mj::platform
