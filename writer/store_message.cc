#include "writer/store_message.h"

#include <filesystem>
#include <limits>
#include <system_error>

#include "writer/file_name.h"
#include "writer/folder_check.h"
#include "writer/folder_path.h"
#include "writer/message_file.h"

namespace mj::writer {

namespace {

bool is_taken(const QString& path) {
  std::error_code ignored;
  // A dangling symbolic link takes its name too: writing there would replace it.
  return std::filesystem::symlink_status(to_native_path(path), ignored).type() !=
         std::filesystem::file_type::not_found;
}

}  // namespace

QString first_free_file_path(const QString& folder, const QString& name) {
  QString path = folder + name + kMessageExtension;
  for (int n = 2; is_taken(path) && n < std::numeric_limits<int>::max(); ++n)
    path = folder + numbered_file_name(name, n) + kMessageExtension;
  return path;
}

store_result store_message(const capsule_message& message, const QDateTime& stored_at,
                           const reporter& report) {
  if (message.text.isEmpty()) return {store_outcome::empty_message, {}};
  if (message.schedule.contains(QChar(u'\0'))) {
    report(QStringLiteral("The schedule name cannot hold the character NUL"));
    return {store_outcome::failed, {}};
  }
  check_folder(message.capsule_root, report);
  QString name = m_jar_makefilename(message.text);
  if (name.isEmpty()) name = date_time_file_name(stored_at);
  const QString folder = schedule_folder_path(message.capsule_root, message.schedule);
  // An empty schedule text names the capsule root, which was just checked.
  if (folder != message.capsule_root) check_folder(folder, report);
  const QString path = first_free_file_path(folder, name);
  if (const auto failure = write_message_file(path, message.text)) {
    report(*failure);
    return {store_outcome::failed, {}};
  }
  return {store_outcome::stored, path};
}

}  // namespace mj::writer
