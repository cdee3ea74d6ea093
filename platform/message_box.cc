// SPDX-License-Identifier: MIT
#include "platform/message_box.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSpacerItem>
#include <cstdio>

#include "base/visible_text.h"

namespace mj::platform {

std::unique_ptr<QMessageBox> make_message_box(const QString& text, const QString& title,
                                              message_kind kind) {
  auto box = std::make_unique<QMessageBox>(
      kind == message_kind::problem ? QMessageBox::Warning : QMessageBox::Information, title, text,
      QMessageBox::Ok);
  // A title bar holds the title beside the window's buttons (close, and
  // often minimise and maximise: about 150 pixels); a box sized to a short
  // text would cut its title to "M... r". QMessageBox takes no minimum width
  // of its own, but keeps to that of its layout.
  const int title_width = QFontMetrics(QGuiApplication::font()).horizontalAdvance(title) + 150;
  if (auto* layout = qobject_cast<QGridLayout*>(box->layout()))
    layout->addItem(new QSpacerItem(title_width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                    layout->rowCount(), 0, 1, layout->columnCount());
  return box;
}

void show_message(const QString& text, const QString& title, message_kind kind) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    // One line: its sentences joined, any control that came in with a name
    // escaped.
    QString line = text;
    line.replace('\n', ' ');
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title),
                 printable_line(line.toStdString()).c_str());
    std::fflush(stderr);
    return;
  }
  make_message_box(text, title, kind)->exec();
}

QString skip_box_title() {
#ifdef _WIN32
  return QStringLiteral("morrowjar for Windows32");
#else
  return QStringLiteral("Morrowjar");
#endif
}

}  // namespace mj::platform
