// SPDX-License-Identifier: MIT
// The yardstick for m_jarin's start-up: the least a Qt Widgets program does
// to show a window, an empty one. With --label the window holds one line of
// text, which adds the font system's start-up that any window with words pays.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "platform/exit_when_shown.h"

int main(int argc, char** argv) {
  const bool with_label = argc > 1 && std::strcmp(argv[1], "--label") == 0;
  QApplication app(argc, argv);
  QWidget window;
  window.resize(419, 257);
  window.setWindowTitle(QStringLiteral("empty"));
  if (with_label) (new QLabel(QStringLiteral("message"), &window))->move(16, 16);
  mj::platform::exit_when_shown_if_asked(&window);
  window.show();
  return app.exec();
}
