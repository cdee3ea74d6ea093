// SPDX-License-Identifier: MIT
// Storing a capsule: the message goes into its schedule folder, under the
// capsule root, as a new file of its own. The window hands over what the user
// typed; everything from there to the file on disk happens here, and what
// comes back is the stored file or the one failure that kept it from being
// stored, in words for the user.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

#include "base/failure.h"

namespace mj::writer {

struct capsule_message {
  QString capsule_root;  // ends in a separator
  QString schedule;      // the schedule text exactly as the user left it
  QString text;          // the message, line breaks as "\n"
};

enum class store_outcome {
  empty_message,  // nothing to store; nothing was created
  stored,         // the message file is complete under `file_path`
};

struct stored_message {
  store_outcome outcome;
  QString file_path;
};

// How far the numbered names of one message go: "NAME (10000).txt".
inline constexpr int kNumberedNameLimit = 10000;

// For tests that make two stores race: called once the message is written
// under its staged name and its file name is chosen, before it takes that name.
struct store_hooks {
  std::function<void(const QString& chosen_path)> before_placing;
};

// Stores the message in the schedule folder named by the schedule text: the
// capsule root (a symbolic link to a folder is followed) and the folder are
// made when missing, one level each. The file is named after the message (or,
// when it has no usable character, after the moment `stored_at`); a name that
// is taken gets the first free number, "NAME (2).txt" ... "NAME (10000).txt".
// The file appears under its name only once it is complete, and never in
// place of another: two stores of one name at one moment each keep their
// file. Refused or failed, nothing is left behind but folders made on the way.
result<stored_message> store_message(const capsule_message& message, const QDateTime& stored_at,
                                     const store_hooks& hooks = {});

// Why `schedule` cannot name a folder inside the capsule, or nothing when it
// can: a control character (tab, line feed, CR, ESC, NUL ...), a broken
// character, a "." or ".." part, or an absolute path. A final separator is
// allowed and means the folder itself.
result<void> refusal_of_schedule(const QString& schedule);

// The folder path for `schedule` under `capsule_root` (which ends in a
// separator): the schedule text is used as typed, with a separator added
// unless it already ends in one; an empty schedule text is the capsule root,
// whose files the opener opens at every run.
QString schedule_folder_path(const QString& capsule_root, const QString& schedule);

// `path` for the file system, without final separators.
std::filesystem::path to_native_path(const QString& path);

// The capsule root as a folder that is there: created when missing, and a
// symbolic link replaced by the folder it leads to. Ends in a separator.
result<QString> usable_capsule_root(const QString& capsule_root);

// Makes sure the schedule folder `folder` is there, as the opener takes
// schedule folders (platform::is_schedule_folder_word): a missing one is
// created; a symbolic link, a read-only or marked folder (all passed over by
// the opener) and anything that is not a folder are refused, each with its
// own reason. The name was judged before (is_passed_over_name).
result<void> usable_schedule_folder(const QString& folder);

struct free_name {
  QString path;
  int number;  // 1 for NAME.txt, n for "NAME (n).txt"
};

// The first message file path in `folder` whose name is not taken, from the
// number `from` on. A name that cannot be checked is a failure with its path
// and the reason, as is running past kNumberedNameLimit.
result<free_name> first_free_name(const QString& folder, const QString& name, int from = 1);

// The bytes of a message file: the message and one line break, in UTF-8
// without a byte-order mark, every line break written as the platform writes
// text files.
QByteArray message_file_content(const QString& message);

// Removes what writers that were killed while storing left behind in the
// capsule root and its folders (one level down): staged files of processes
// that are gone, which never took a name of their own. Returns how many.
int remove_stale_staging(const QString& capsule_root);

// Why nothing could be stored under `capsule_root` (which ends in a
// separator), found without changing anything: it is a file, or it is
// missing and cannot be made (its nearest existing folder is not a folder
// or cannot be written). Nothing when storing can go ahead.
result<void> capsule_root_problem(const QString& capsule_root);

}  // namespace mj::writer
