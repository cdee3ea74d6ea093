// SPDX-License-Identifier: MIT
// The boxes that tell the user something: the icon by kind, and a width that
// shows the whole title however short the text.
#include "platform/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTest>

namespace mj::platform {

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void carriesTheIconOfItsKind() {
    QCOMPARE(make_message_box("x", "Morrowjar", message_kind::problem)->icon(),
             QMessageBox::Warning);
    QCOMPARE(make_message_box("x", "Morrowjar", message_kind::notice)->icon(),
             QMessageBox::Information);
  }

  void isWideEnoughForItsTitle() {
    const QString titles[] = {QStringLiteral("Morrowjar"),
                              QStringLiteral("morrowjar for Windows32"),
                              QString::fromUtf8("Morrowjar テキスト入力の長い題名")};
    for (const QString& title : titles) {
      auto box = make_message_box(QStringLiteral("Skipped this run"), title, message_kind::notice);
      box->adjustSize();
      const int needed = QFontMetrics(QApplication::font()).horizontalAdvance(title);
      QVERIFY2(box->width() >= needed + 150,
               qPrintable(QStringLiteral("%1: %2 < %3").arg(title).arg(box->width()).arg(needed)));
    }
    // A text wider than the title keeps the box as wide as the text needs.
    const QString long_text(200, u'x');
    auto box = make_message_box(long_text, QStringLiteral("M"), message_kind::problem);
    box->adjustSize();
    QVERIFY(box->width() >
            QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("M")) + 150);
  }
};

}  // namespace mj::platform

QTEST_MAIN(mj::platform::MessageBoxTest)
#include "message_box_test.moc"
