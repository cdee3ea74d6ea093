// SPDX-License-Identifier: MIT
#include "platform/run_lock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "base/wording.h"

namespace mj::platform {

namespace {

// A lock file that names no owner is taken over once it is this old: the
// owner writes its process id right after creating the file, so a younger
// one may still be on its way.
constexpr qint64 kOwnerlessAgeMs = 2000;

bool ownerless_and_old(QLockFile& lock, const QString& path) {
  qint64 pid = 0;
  QString host, application;
  if (lock.getLockInfo(&pid, &host, &application) && pid > 0) return false;
  const QFileInfo info(path);
  if (!info.exists()) return true;  // gone meanwhile: try again
  return info.lastModified().msecsTo(QDateTime::currentDateTime()) >= kOwnerlessAgeMs;
}

}  // namespace

std::string run_lock_path(const std::string& canonical_root) {
  // The user's runtime folder, or the cache where there is none (a login
  // without a session manager): either way, the user's own.
  QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (folder.isEmpty())
    folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/m_jar";
  QDir().mkpath(folder);
  const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(canonical_root),
                                                   QCryptographicHash::Sha256)
                              .toHex()
                              .left(16);
  return QDir(folder).filePath("m_jar-" + QString::fromLatin1(hash) + ".lock").toStdString();
}

run_lock::run_lock(const std::string& canonical_root) : path_(run_lock_path(canonical_root)) {
  const QString path = QString::fromStdString(path_);
  file_ = std::make_unique<QLockFile>(path);
  // Only a lock whose process is gone is stale: a run that opens many files
  // with a long delay keeps its lock for as long as it needs.
  file_->setStaleLockTime(0);
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (file_->tryLock(0)) {
      state_ = state::held;
      return;
    }
    // Something in the lock's place that is no file cannot be a lock.
    if (file_->error() != QLockFile::LockFailedError || QFileInfo(path).isDir()) break;
    if (attempt == 0 && ownerless_and_old(*file_, path)) {
      file_->removeStaleLockFile();
      continue;
    }
    state_ = state::busy;
    return;
  }
  state_ = state::unavailable;
  problem_ = make_failure(
      failure_code::path_access,
      fill(localized("mj::platform::run_lock",
                     "The lock %1, which keeps two runs from opening the same files, cannot be "
                     "made; this run goes on without it"),
           {path_}));
}

run_lock::~run_lock() { release(); }

void run_lock::release() {
  if (state_ == state::held) file_->unlock();
}

}  // namespace mj::platform
