// SPDX-License-Identifier: MIT
// A stand-in notification server for the tests: owns
// org.freedesktop.Notifications on the session bus and writes each
// notification it is sent as one line "SUMMARY|BODY" to the file it is given.
// With --silent as its second argument it writes the line but never answers
// the call, as a notification server that hangs. Its method Choose(id,
// action) stands for a person choosing an action of a notice: it sends
// ActionInvoked.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class notification_stub : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

 public:
  notification_stub(QString log, bool silent) : log_(std::move(log)), silent_(silent) {}

 public slots:
  uint Notify(const QString& /*app_name*/, uint /*replaces_id*/, const QString& /*app_icon*/,
              const QString& summary, const QString& body, const QStringList& /*actions*/,
              const QVariantMap& /*hints*/, int /*expire_timeout*/) {
    QFile file(log_);
    if (file.open(QIODevice::Append)) file.write((summary + "|" + body + "\n").toUtf8());
    if (silent_) setDelayedReply(true);  // and no reply is ever sent
    return ++last_id_;
  }

  void Choose(uint id, const QString& action) { emit ActionInvoked(id, action); }

 signals:
  void ActionInvoked(uint id, const QString& action_key);

 private:
  QString log_;
  bool silent_;
  uint last_id_ = 0;
};

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 2 && argc != 3) return 2;
  notification_stub stub(QString::fromLocal8Bit(argv[1]),
                         argc == 3 && QByteArray(argv[2]) == "--silent");
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.registerObject("/org/freedesktop/Notifications", &stub,
                          QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) ||
      !bus.registerService("org.freedesktop.Notifications"))
    return 1;
  return QCoreApplication::exec();
}

#include "notification_stub.moc"
