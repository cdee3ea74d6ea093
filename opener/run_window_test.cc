// SPDX-License-Identifier: MIT
// The run's window on a real capsule: files are handed to a stand-in
// xdg-open that records them, and the day is stored only at the run's end.
#include "opener/run_window.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

namespace mj::opener {

class run_window_test : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir work_;
  QString log_;
  QString capsule_;

  QStringList handed_over() const {
    QFile file(log_);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  }

  // The day the record of the capsule says it is served through.
  QString stored_date() const {
    const auto record =
        platform::read_day_record(platform::canonical_root_path(capsule_.toStdString()));
    if (!record.ok() || !record->served_through) return {};
    return QString::fromStdString(platform::format_record_day(*record->served_through));
  }

  // Three notes in the capsule root, which open at every run.
  void make_capsule(const QString& name) {
    capsule_ = work_.filePath(name);
    QVERIFY(QDir().mkpath(capsule_));
    for (const char* note : {"a.txt", "b.txt", "c.txt"})
      std::ofstream((capsule_ + "/" + note).toStdString()) << "message\n";
    QFile::remove(log_);
  }

 private slots:
  void initTestCase() {
    QVERIFY(work_.isValid());
    log_ = work_.filePath("opened.log");
    const QString bin = work_.filePath("bin");
    QVERIFY(QDir().mkpath(bin));
    QFile stub(bin + "/xdg-open");
    QVERIFY(stub.open(QIODevice::WriteOnly));
    stub.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >>'%1'\n").arg(log_).toUtf8());
    stub.close();
    stub.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", (bin + ":" + qEnvironmentVariable("PATH")).toUtf8());
    qputenv("XDG_CONFIG_HOME", work_.filePath("config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", work_.filePath("runtime").toUtf8());
    QDir().mkpath(work_.filePath("runtime"));
  }

  void a_run_that_ends_stores_the_day() {
    make_capsule("whole");
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "M_Jar").clear();
    run_window window;
    QCOMPARE(window.start_run("0 " + capsule_.toStdString()), run_window::start::running);
    QTRY_VERIFY_WITH_TIMEOUT(window.run_ended(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(handed_over().size(), 3, 5000);
    QVERIFY(!stored_date().isEmpty());
  }

  void closing_the_window_ends_the_run_without_storing_the_day() {
    make_capsule("closed");
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "M_Jar").clear();
    run_window window;
    QCOMPARE(window.start_run("1 " + capsule_.toStdString()), run_window::start::running);
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(handed_over().size(), 1, 5000);
    window.close();
    // The run has ended: however long the event loop runs, no tick is left
    // to hand anything over.
    QVERIFY(window.run_ended());
    QTest::qWait(0);
    QCOMPARE(handed_over().size(), 1);
    QVERIFY(window.run_ended());
    QVERIFY(!window.day_stored());
    QVERIFY(stored_date().isEmpty());
  }

  void a_second_run_on_the_same_capsule_is_busy() {
    make_capsule("busy");
    run_window first;
    QCOMPARE(first.start_run("5 " + capsule_.toStdString()), run_window::start::running);
    run_window second;
    QCOMPARE(second.start_run("5 " + capsule_.toStdString()), run_window::start::busy);
    first.close();
  }
};

}  // namespace mj::opener

QTEST_MAIN(mj::opener::run_window_test)
#include "run_window_test.moc"
