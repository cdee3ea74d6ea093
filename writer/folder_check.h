// Making sure a schedule folder (or the capsule root) is there before a
// message is stored in it.
#pragma once

#include <QString>

#include "writer/reporter.h"

namespace mj::writer {

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

}  // namespace mj::writer
