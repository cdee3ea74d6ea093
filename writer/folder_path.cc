#include "writer/folder_path.h"

namespace mj::writer {

namespace {

bool is_separator(QChar c) {
#ifdef _WIN32
  return c == u'\\' || c == u'/';
#else
  return c == u'/';
#endif
}

}  // namespace

QString schedule_folder_path(const QString& capsule_root, const QString& schedule) {
  if (!schedule.isEmpty() && is_separator(schedule.back())) return capsule_root + schedule;
  if (schedule.isEmpty()) return capsule_root;
#ifdef _WIN32
  return capsule_root + schedule + u'\\';
#else
  return capsule_root + schedule + u'/';
#endif
}

std::filesystem::path to_native_path(const QString& path) {
  QString trimmed = path;
  while (trimmed.size() > 1 && is_separator(trimmed.back())) trimmed.chop(1);
#ifdef _WIN32
  return std::filesystem::path(trimmed.toStdWString());
#else
  return std::filesystem::path(trimmed.toStdString());
#endif
}

}  // namespace mj::writer
