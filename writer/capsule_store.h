// Storing a capsule: the message goes into its schedule folder, under the
// capsule root, as a new file of its own. The window hands over what the user
// typed; everything from there to the file on disk happens here.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

#include "base/failure.h"

namespace mj::writer {

// Shows one failure description (or "directory error") and returns when the
// user has seen it. The window passes a message box; tests pass a recorder.
using reporter = std::function<void(const QString& text)>;

struct capsule_message {
  QString capsule_root;  // ends in a separator
  QString schedule;      // the schedule text exactly as the user left it
  QString text;          // the message, line breaks as "\n"
};

enum class store_outcome {
  empty_message,  // nothing to store; nothing was created or shown
  stored,         // the message file is complete under `file_path`
  failed,         // the failures were reported; the message is not stored
};

struct store_result {
  store_outcome outcome;
  QString file_path;
};

// Makes sure the capsule root and the schedule folder exist, then writes the
// message under its own name (or, when it has no usable character, under the
// moment `stored_at`), choosing "NAME (2).txt", "NAME (3).txt"... when the
// name is taken, so that no stored message is ever replaced. Every failure
// goes to `report` in the order it happens; storing goes on after those that
// leave a chance to store the message.
store_result store_message(const capsule_message& message, const QDateTime& stored_at,
                           const reporter& report);

// The path of the first message file in `folder` whose name is not taken:
// NAME.txt, then NAME (2).txt, NAME (3).txt, ...
QString first_free_file_path(const QString& folder, const QString& name);

// The folder path for `schedule` under `capsule_root` (which ends in a
// separator): the schedule text is used as typed, with a separator added
// unless it already ends in one; an empty schedule text is the capsule root,
// whose files the opener opens at every run.
QString schedule_folder_path(const QString& capsule_root, const QString& schedule);

// `path` for the file system, without final separators.
std::filesystem::path to_native_path(const QString& path);

enum class folder_state {
  ready,            // a plain folder, as the opener takes schedule folders
  created,          // was missing and has been made (one level only)
  directory_error,  // something else is there: "directory error" was shown
  failed,           // could not be made: the failure was shown
};

inline const QString kDirectoryError = QStringLiteral("directory error");

// Judges `folder` by its attribute word: exactly a plain directory is ready;
// a missing path is created without a word; anything else (a file, a folder
// that is read-only, hidden or a link, a path that cannot be examined) is
// reported as "directory error", after the reason when there is one. Storing
// goes on either way; a folder the opener would pass over still takes the
// message if the file system lets it.
folder_state check_folder(const QString& folder, const reporter& report);

// The bytes of a message file: the message and one line break, in UTF-8
// without a byte-order mark, every line break written as the platform writes
// text files.
QByteArray message_file_content(const QString& message);

// Writes a new message file at `path`. The file appears under its name only
// once it is complete, so a crash or a full disk never leaves half a message
// behind.
std::optional<failure> write_message_file(const QString& path, const QString& message);

}  // namespace mj::writer
