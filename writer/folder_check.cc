#include "writer/folder_check.h"

#include <filesystem>
#include <system_error>

#include "platform/file_attributes.h"
#include "writer/folder_path.h"

namespace mj::writer {

namespace {

folder_state create_folder(const QString& folder, const reporter& report) {
  std::error_code error;
  std::filesystem::create_directory(to_native_path(folder), error);
  if (!error) return folder_state::created;
  report(QStringLiteral("Cannot create the folder %1: %2")
             .arg(folder, QString::fromStdString(error.message())));
  return folder_state::failed;
}

}  // namespace

folder_state check_folder(const QString& folder, const reporter& report) {
  const result<int> word = platform::attribute_word(to_native_path(folder));
  if (word.ok() && *word == platform::kDirectory) return folder_state::ready;
  if (!word.ok()) {
    if (word.error().code == failure_code::not_found) return create_folder(folder, report);
    report(QString::fromStdString(word.error().description));
  }
  report(kDirectoryError);
  return folder_state::directory_error;
}

}  // namespace mj::writer
