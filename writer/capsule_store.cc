// SPDX-License-Identifier: MIT
#include "writer/capsule_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStringList>
#include <filesystem>
#include <system_error>

#include "base/passed_over.h"
#include "platform/file_attributes.h"
#include "platform/file_placement.h"
#include "platform/paths.h"
#include "writer/message_file_name.h"

namespace mj::writer {

namespace {

namespace fs = std::filesystem;

failure refusal(const QString& text) {
  return failure{failure_code::invalid_argument, text.toStdString()};
}

failure path_trouble(const QString& text) {
  return failure{failure_code::path_access, text.toStdString()};
}

QString reason_of(const std::error_code& error) { return QString::fromStdString(error.message()); }

bool ends_in_separator(const QString& text) {
  return !text.isEmpty() && platform::is_path_separator(text.back().unicode());
}

QString with_separator(const QString& folder) {
  return ends_in_separator(folder) ? folder : folder + QChar(platform::path_separator());
}

QString without_final_separators(QString path) {
  while (path.size() > 1 && ends_in_separator(path)) path.chop(1);
  return path;
}

// The name people know a control character by, for the refusal.
QString control_character_words(char32_t c) {
  switch (c) {
    case U'\0':
      return QCoreApplication::translate("mj::writer::capsule_store", "a NUL character");
    case U'\t':
      return QCoreApplication::translate("mj::writer::capsule_store", "a tab");
    case U'\n':
      return QCoreApplication::translate("mj::writer::capsule_store", "a line feed");
    case U'\r':
      return QCoreApplication::translate("mj::writer::capsule_store", "a carriage return");
    case U'\x1b':
      return QCoreApplication::translate("mj::writer::capsule_store", "an escape character");
    case U'\u2028':
      return QCoreApplication::translate("mj::writer::capsule_store", "a line separator");
    case U'\u2029':
      return QCoreApplication::translate("mj::writer::capsule_store", "a paragraph separator");
    default:
      return QCoreApplication::translate("mj::writer::capsule_store", "the control character U+%1")
          .arg(QString::number(static_cast<unsigned>(c), 16).toUpper().rightJustified(4, u'0'));
  }
}

bool is_control(char32_t c) {
  const QChar::Category category = QChar::category(c);
  return category == QChar::Other_Control || category == QChar::Separator_Line ||
         category == QChar::Separator_Paragraph;
}

// A complete copy of the message under a hidden name of its own in `folder`
// (which ends in a separator), ready to take its real name in one step.
result<QString> stage_message(const QString& folder, const QString& message) {
  // The process id keeps two writers apart even where they share a random
  // state (a forked process); the random part keeps one writer's stores apart.
  const QString staged =
      folder + QStringLiteral(".m_jarin-%1-%2.part")
                   .arg(QCoreApplication::applicationPid())
                   .arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0'));
  const auto not_written = [&](const QString& reason) {
    return path_trouble(QCoreApplication::translate("mj::writer::capsule_store",
                                                    "Cannot store the message in %1: %2")
                            .arg(without_final_separators(folder), reason));
  };
  QSaveFile file(staged);
  if (!file.open(QIODevice::WriteOnly)) return not_written(file.errorString());
  const QByteArray content = message_file_content(message);
  // A short message only reaches the disk when the buffer is flushed; a flush
  // that fails inside commit() would still let it put the empty file in place,
  // so the flush is made and checked here.
  if (file.write(content) != content.size() || !file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return not_written(reason);
  }
  if (!file.commit()) return not_written(file.errorString());
  return staged;
}

QString numbered_path(const QString& folder, const QString& name, int number) {
  return folder + numbered_file_name(name, number) + kMessageExtension;
}

}  // namespace

result<void> refusal_of_schedule(const QString& schedule) {
  for (qsizetype i = 0; i < schedule.size(); ++i) {
    const QChar unit = schedule.at(i);
    if (unit.isHighSurrogate() && i + 1 < schedule.size() && schedule.at(i + 1).isLowSurrogate()) {
      ++i;
      continue;
    }
    if (unit.isSurrogate())
      return refusal(
          QCoreApplication::translate("mj::writer::capsule_store",
                                      "A schedule name cannot hold a broken character (a lone "
                                      "surrogate): type the name again."));
    if (is_control(unit.unicode()))
      return refusal(QCoreApplication::translate(
                         "mj::writer::capsule_store",
                         "A schedule name cannot hold %1: remove it from the schedule box.")
                         .arg(control_character_words(unit.unicode())));
  }
  const fs::path path = to_native_path(schedule);
  if (path.has_root_name() || path.has_root_directory())
    return refusal(QCoreApplication::translate(
                       "mj::writer::capsule_store",
                       "A schedule name cannot be a full path such as \"%1\": schedule "
                       "folders lie inside the capsule.")
                       .arg(schedule));
  for (const fs::path& part : path) {
    if (part == "..")
      return refusal(QCoreApplication::translate(
          "mj::writer::capsule_store",
          "A schedule name cannot hold \"..\": it would lead out of the "
          "capsule."));
    if (part == ".")
      return refusal(
          QCoreApplication::translate("mj::writer::capsule_store",
                                      "A schedule name cannot hold \".\" as a folder of its own."));
  }
  return {};
}

QString schedule_folder_path(const QString& capsule_root, const QString& schedule) {
  if (ends_in_separator(schedule)) return capsule_root + schedule;
  if (schedule.isEmpty()) return capsule_root;
  return capsule_root + schedule + QChar(platform::path_separator());
}

fs::path to_native_path(const QString& path) {
  return platform::native_path(
      std::u16string_view(QStringView(path).utf16(), static_cast<size_t>(path.size())));
}

result<QString> usable_capsule_root(const QString& capsule_root) {
  const QString shown = without_final_separators(capsule_root);
  // Empty when nothing is there; a symbolic link gives the folder it leads to.
  QString folder = QFileInfo(shown).canonicalFilePath();
  if (folder.isEmpty()) {
    std::error_code error;
    fs::create_directory(to_native_path(capsule_root), error);
    if (error)
      return path_trouble(QCoreApplication::translate("mj::writer::capsule_store",
                                                      "Cannot create the capsule root %1: %2")
                              .arg(shown, reason_of(error)));
    folder = QFileInfo(shown).canonicalFilePath();
  }
  if (folder.isEmpty() || !QFileInfo(folder).isDir())
    return path_trouble(QCoreApplication::translate("mj::writer::capsule_store",
                                                    "The capsule root %1 is not a folder.")
                            .arg(shown));
  return with_separator(QDir::toNativeSeparators(folder));
}

result<void> capsule_root_problem(const QString& capsule_root) {
  const QString shown = without_final_separators(capsule_root);
  const QFileInfo root(shown);
  if (root.exists()) {
    if (!root.isDir())
      return path_trouble(
          QCoreApplication::translate("mj::writer::capsule_store",
                                      "The capsule root %1 is a file, not a folder, so no "
                                      "message can be stored in it: start the writer with "
                                      "another location, or move the file away.")
              .arg(shown));
    if (!root.isWritable())
      return path_trouble(QCoreApplication::translate("mj::writer::capsule_store",
                                                      "The capsule root %1 cannot be written: "
                                                      "no message can be stored in it.")
                              .arg(shown));
    return {};
  }
  // Made when missing, one level: its parent must be a folder that can be written.
  const QFileInfo parent(root.absolutePath());
  if (!parent.isDir())
    return path_trouble(QCoreApplication::translate("mj::writer::capsule_store",
                                                    "Cannot create the capsule root %1: the "
                                                    "folder %2 is not there.")
                            .arg(shown, QDir::toNativeSeparators(parent.filePath())));
  if (!parent.isWritable())
    return path_trouble(QCoreApplication::translate("mj::writer::capsule_store",
                                                    "Cannot create the capsule root %1: the "
                                                    "folder %2 cannot be written.")
                            .arg(shown, QDir::toNativeSeparators(parent.filePath())));
  return {};
}

result<void> usable_schedule_folder(const QString& folder) {
  const QString shown = without_final_separators(folder);
  const fs::path path = to_native_path(folder);
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (status.type() == fs::file_type::not_found) {
    error.clear();
    fs::create_directory(path, error);
    if (!error) return {};
    return path_trouble(QCoreApplication::translate("mj::writer::capsule_store",
                                                    "Cannot create the schedule folder %1: %2")
                            .arg(shown, reason_of(error)));
  }
  if (error)
    return path_trouble(QCoreApplication::translate("mj::writer::capsule_store",
                                                    "Cannot examine the schedule folder %1: %2")
                            .arg(shown, reason_of(error)));
  const result<int> word = platform::attribute_word(path);
  if (!word.ok()) return word.error();
  if (*word & platform::kReparsePoint)
    return path_trouble(
        QCoreApplication::translate(
            "mj::writer::capsule_store",
            "The schedule folder %1 is a symbolic link. The opener never opens files "
            "in a linked folder, so the message is not stored there: choose another "
            "schedule name, or put a real folder in place of the link.")
            .arg(shown));
  if (!(*word & platform::kDirectory))
    return path_trouble(QCoreApplication::translate(
                            "mj::writer::capsule_store",
                            "%1 is a file, not a folder, so the message cannot be stored there.")
                            .arg(shown));
  if (*word & platform::kReadOnly)
    return path_trouble(
        QCoreApplication::translate(
            "mj::writer::capsule_store",
            "The schedule folder %1 is read-only. The opener passes over read-only "
            "folders, so the message would never open: make the folder writable, or "
            "choose another schedule name.")
            .arg(shown));
  // Where names make the hidden mark (a name the opener passes over), the
  // user was asked about the name already; a mark set on the folder itself
  // refuses it.
  const std::u8string name = path.filename().u8string();
  int word_by_marks = *word;
  if (is_passed_over_name({reinterpret_cast<const char*>(name.data()), name.size()}))
    word_by_marks &= ~platform::kHidden;
  if (!platform::is_schedule_folder_word(word_by_marks))
    return path_trouble(
        QCoreApplication::translate(
            "mj::writer::capsule_store",
            "The schedule folder %1 is marked hidden, system or archive (attribute word %2, not "
            "16). The opener passes over such folders, so the message would never open: clear "
            "the marks (attrib -h -s -a), or choose another schedule name.")
            .arg(shown)
            .arg(*word));
  return {};
}

result<free_name> first_free_name(const QString& folder, const QString& name, int from) {
  for (int n = std::max(from, 1); n <= kNumberedNameLimit; ++n) {
    const QString path = numbered_path(folder, name, n);
    std::error_code error;
    // A dangling symbolic link takes its name too: a file there would replace it.
    const fs::file_type type = fs::symlink_status(to_native_path(path), error).type();
    if (type == fs::file_type::not_found) return free_name{path, n};
    if (type == fs::file_type::none)
      return path_trouble(
          QCoreApplication::translate("mj::writer::capsule_store",
                                      "Cannot check whether the name %1 is free: %2")
              .arg(path, reason_of(error)));
  }
  return path_trouble(
      QCoreApplication::translate("mj::writer::capsule_store",
                                  "The folder %1 already holds messages named \"%2\" up to "
                                  "\"%3\": store this one under another name or in another "
                                  "folder.")
          .arg(without_final_separators(folder), name + kMessageExtension,
               numbered_file_name(name, kNumberedNameLimit) + kMessageExtension));
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

result<stored_message> store_message(const capsule_message& message, const QDateTime& stored_at,
                                     const store_hooks& hooks) {
  if (message.text.isEmpty()) return stored_message{store_outcome::empty_message, {}};
  if (const result<void> refused = refusal_of_schedule(message.schedule); !refused.ok())
    return refused.error();
  const result<QString> root = usable_capsule_root(message.capsule_root);
  if (!root.ok()) return root.error();
  const QString folder = schedule_folder_path(*root, message.schedule);
  // An empty schedule text names the capsule root, which is ready now.
  if (folder != *root) {
    if (const result<void> unusable = usable_schedule_folder(folder); !unusable.ok())
      return unusable.error();
  }
  QString name = file_name_from_message(message.text);
  if (name.isEmpty()) name = date_time_file_name(stored_at);

  result<free_name> chosen = first_free_name(folder, name);
  if (!chosen.ok()) return chosen.error();
  const result<QString> staged = stage_message(folder, message.text);
  if (!staged.ok()) return staged.error();
  if (hooks.before_placing) hooks.before_placing(chosen->path);
  for (;;) {
    const result<platform::placement> placed =
        platform::place_without_replacing(to_native_path(*staged), to_native_path(chosen->path));
    if (!placed.ok()) {
      QFile::remove(*staged);
      return path_trouble(QCoreApplication::translate("mj::writer::capsule_store",
                                                      "Cannot store the message in %1.\n%2")
                              .arg(without_final_separators(folder),
                                   QString::fromStdString(placed.error().description)));
    }
    if (*placed == platform::placement::placed)
      return stored_message{store_outcome::stored, chosen->path};
    // Another store took the name since it was found free: the next one.
    chosen = first_free_name(folder, name, chosen->number + 1);
    if (!chosen.ok()) {
      QFile::remove(*staged);
      return chosen.error();
    }
  }
}

int remove_stale_staging(const QString& capsule_root) {
  const fs::path root = to_native_path(capsule_root);
  int removed = platform::remove_stale_staging_files(root);
  std::error_code error;
  fs::directory_iterator it(root, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code ignored;
    // Schedule folders only: a linked folder belongs to someone else's tree.
    if (it->is_directory(ignored) && !it->is_symlink(ignored))
      removed += platform::remove_stale_staging_files(it->path());
  }
  return removed;
}

}  // namespace mj::writer
