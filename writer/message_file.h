// The message file itself: one message as one plain-text file.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace mj::writer {

// The bytes of a message file: the message and one line break, in UTF-8
// without a byte-order mark, every line break written as the platform writes
// text files (LF here, CR LF on Windows).
QByteArray message_file_content(const QString& message);

// Writes a new message file at `path`. The file appears under its name only
// once it is complete, so a crash or a full disk never leaves half a message
// behind. Returns the failure description, or nothing when it was stored.
std::optional<QString> write_message_file(const QString& path, const QString& message);

}  // namespace mj::writer
