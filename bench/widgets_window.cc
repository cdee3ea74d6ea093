// SPDX-License-Identifier: MIT
// The yardstick for m_jarin's start-up with its controls: the least a Qt
// Widgets program does to show the same kinds of widgets as the writer's
// window (a menu bar with a menu of three items, two labels, a multi-line
// text box, an editable combo box with 28 entries, two buttons), and nothing
// else: no capsule root, no icon, no schedule reading. It opens centred on
// the screen, as the writer does, so that both meet the pointer (and load the
// text cursor) alike.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "platform/exit_when_shown.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("widgets"));
  QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Edit"));
  for (const char* item : {"Select &all", "&Copy", "&Paste"})
    menu->addAction(QString::fromLatin1(item));
  auto* client = new QWidget(&window);
  client->setFixedSize(419, 236);
  window.setCentralWidget(client);
  (new QLabel(QStringLiteral("message"), client))->setGeometry(16, 16, 137, 17);
  (new QPlainTextEdit(client))->setGeometry(16, 32, 385, 89);
  (new QLabel(QStringLiteral("subfolder"), client))->setGeometry(16, 128, 121, 17);
  auto* box = new QComboBox(client);
  box->setEditable(true);
  for (int i = 1; i <= 28; ++i) box->addItem(QStringLiteral("choice %1").arg(i));
  box->setGeometry(16, 152, 385, 20);
  (new QPushButton(QStringLiteral("OK"), client))->setGeometry(176, 192, 105, 33);
  (new QPushButton(QStringLiteral("CANCEL"), client))->setGeometry(296, 192, 105, 33);
  window.adjustSize();
  window.move(window.screen()->geometry().center() - window.rect().center());
  mj::platform::exit_when_shown_if_asked(&window);
  window.show();
  return app.exec();
}
