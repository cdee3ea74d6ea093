// Storing a capsule: the message goes into its schedule folder as a new file.
#pragma once

#include <QDateTime>
#include <QString>

#include "writer/reporter.h"

namespace mj::writer {

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

}  // namespace mj::writer
