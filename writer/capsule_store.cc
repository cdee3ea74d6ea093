#include "writer/capsule_store.h"

#include <QSaveFile>
#include <filesystem>
#include <limits>
#include <system_error>

#include "platform/file_attributes.h"
#include "platform/paths.h"
#include "writer/message_file_name.h"

namespace mj::writer {

namespace {

QString text_of(const failure& f) { return QString::fromStdString(f.description); }

bool is_taken(const QString& path) {
  std::error_code ignored;
  // A dangling symbolic link takes its name too: writing there would replace it.
  return std::filesystem::symlink_status(to_native_path(path), ignored).type() !=
         std::filesystem::file_type::not_found;
}

bool ends_in_separator(const QString& text) {
  return !text.isEmpty() && platform::is_path_separator(text.back().unicode());
}

std::optional<failure> create_folder(const QString& folder) {
  std::error_code error;
  std::filesystem::create_directory(to_native_path(folder), error);
  if (!error) return std::nullopt;
  return failure{failure_code::path_access,
                 QStringLiteral("Cannot create the folder %1: %2")
                     .arg(folder, QString::fromStdString(error.message()))
                     .toStdString()};
}

failure storing_failure(const QString& path, const QString& reason) {
  return failure{
      failure_code::path_access,
      QStringLiteral("Cannot store the message in %1: %2").arg(path, reason).toStdString()};
}

}  // namespace

QString schedule_folder_path(const QString& capsule_root, const QString& schedule) {
  if (ends_in_separator(schedule)) return capsule_root + schedule;
  if (schedule.isEmpty()) return capsule_root;
  return capsule_root + schedule + QChar(platform::path_separator());
}

std::filesystem::path to_native_path(const QString& path) {
  return platform::native_path(
      std::u16string_view(QStringView(path).utf16(), static_cast<size_t>(path.size())));
}

folder_state check_folder(const QString& folder, const reporter& report) {
  const result<int> word = platform::attribute_word(to_native_path(folder));
  if (word.ok() && *word == platform::kDirectory) return folder_state::ready;
  if (!word.ok()) {
    if (word.error().code == failure_code::not_found) {
      const std::optional<failure> not_made = create_folder(folder);
      if (!not_made) return folder_state::created;
      report(text_of(*not_made));
      return folder_state::failed;
    }
    report(text_of(word.error()));
  }
  report(kDirectoryError);
  return folder_state::directory_error;
}

QByteArray message_file_content(const QString& message) {
  // The message's own line breaks are written like the final one.
  QString text = message + u'\n';
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const std::string_view line_break = platform::text_line_break();
  if (line_break != "\n")
    text.replace(u'\n', QString::fromLatin1(line_break.data(), line_break.size()));
  return text.toUtf8();
}

std::optional<failure> write_message_file(const QString& path, const QString& message) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return storing_failure(path, file.errorString());
  const QByteArray content = message_file_content(message);
  // A short message only reaches the disk when the buffer is flushed; a flush
  // that fails inside commit() would still let it put the empty file in place,
  // so the flush is made and checked here.
  if (file.write(content) != content.size() || !file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return storing_failure(path, reason);
  }
  if (!file.commit()) return storing_failure(path, file.errorString());
  return std::nullopt;
}

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
  QString name = file_name_from_message(message.text);
  if (name.isEmpty()) name = date_time_file_name(stored_at);
  const QString folder = schedule_folder_path(message.capsule_root, message.schedule);
  // An empty schedule text names the capsule root, which was just checked.
  if (folder != message.capsule_root) check_folder(folder, report);
  const QString path = first_free_file_path(folder, name);
  if (const std::optional<failure> not_stored = write_message_file(path, message.text)) {
    report(text_of(*not_stored));
    return {store_outcome::failed, {}};
  }
  return {store_outcome::stored, path};
}

}  // namespace mj::writer
