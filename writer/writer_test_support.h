// SPDX-License-Identifier: MIT
// A temporary capsule root for the writer's tests, and a recorder that stands
// in for the message box.
#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>

namespace mj::writer::testing {

// A fresh folder that is removed with everything in it, read-only parts too.
class capsule_folder {
 public:
  capsule_folder() = default;
  ~capsule_folder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             dir_.path().toStdString(), std::filesystem::directory_options::none, ignored))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
  }
  bool valid() const { return dir_.isValid(); }
  // Ends in "/", like a resolved capsule root.
  QString path(const QString& below = {}) const { return dir_.path() + u'/' + below; }

 private:
  QTemporaryDir dir_;
};

struct recorder {
  QStringList shown;
  void operator()(const QString& text) { shown << text; }
};

inline QByteArray read_all(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline QStringList files_in(const QString& folder) {
  return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace mj::writer::testing
