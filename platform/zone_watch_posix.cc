// SPDX-License-Identifier: MIT
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimeZone>
#include <ctime>
#include <memory>

#include "platform/zone_watch.h"

namespace mj::platform {

namespace {

// The files that name the local time zone; a change of zone replaces one.
const QStringList kZoneFolders = {QStringLiteral("/etc")};

QByteArray current_zone_id() {
  // The C library caches the zone it read first; make it read it again.
  tzset();
  return QTimeZone::systemTimeZoneId();
}

}  // namespace

void watch_zone_changes(QObject* owner, std::function<void(const QByteArray& zone_id)> on_change) {
  auto zone_id = std::make_shared<QByteArray>(current_zone_id());
  auto* watcher = new QFileSystemWatcher(owner);
  watcher->addPaths(kZoneFolders);
  // Any change in the folder: only one that changes the zone is passed on.
  QObject::connect(watcher, &QFileSystemWatcher::directoryChanged, owner,
                   [zone_id, on_change = std::move(on_change)] {
                     const QByteArray zone = current_zone_id();
                     if (zone == *zone_id) return;
                     *zone_id = zone;
                     on_change(zone);
                   });
}

}  // namespace mj::platform
