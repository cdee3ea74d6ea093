#include "writer/message_file.h"

#include <QSaveFile>

namespace mj::writer {

namespace {

// The message's own line breaks are written like the final one.
QString with_platform_line_breaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#ifdef _WIN32
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
#endif
  return text;
}

QString failure_text(const QString& path, const QString& reason) {
  return QStringLiteral("Cannot store the message in %1: %2").arg(path, reason);
}

}  // namespace

QByteArray message_file_content(const QString& message) {
  return with_platform_line_breaks(message + u'\n').toUtf8();
}

std::optional<QString> write_message_file(const QString& path, const QString& message) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return failure_text(path, file.errorString());
  const QByteArray content = message_file_content(message);
  // A short message only reaches the disk when the buffer is flushed; a flush
  // that fails inside commit() would still let it put the empty file in place,
  // so the flush is made and checked here.
  if (file.write(content) != content.size() || !file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return failure_text(path, reason);
  }
  if (!file.commit()) return failure_text(path, file.errorString());
  return std::nullopt;
}

}  // namespace mj::writer
