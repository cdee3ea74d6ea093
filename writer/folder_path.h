// Where in the capsule a message goes: the schedule folder named by the
// schedule text, or the capsule root itself.
#pragma once

#include <QString>
#include <filesystem>

namespace mj::writer {

// The folder path for `schedule` under `capsule_root` (which ends in a
// separator): the schedule text is used as typed, with a separator added
// unless it already ends in one; an empty schedule text is the capsule root,
// whose files the opener opens at every run.
QString schedule_folder_path(const QString& capsule_root, const QString& schedule);

// `path` for the file system, without final separators (so a symbolic link
// named by it is examined as a link, not as what it points to).
std::filesystem::path to_native_path(const QString& path);

}  // namespace mj::writer
