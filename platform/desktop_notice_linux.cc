// SPDX-License-Identifier: MIT
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <map>
#include <optional>

#include "platform/bus_thread.h"
#include "platform/desktop_notice.h"

namespace mj::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kActionKey = QStringLiteral("open");

// Lives on the bus thread: connects to the session bus there, sends the
// notices and passes the answers and chosen actions on.
class notice_sender : public QObject, protected QDBusContext {
  Q_OBJECT

 public slots:
  void connect_bus() {
    bus_ = connect_to_bus(QDBusConnection::SessionBus, QStringLiteral("morrowjar_notices"));
    emit answered(bus_.has_value());
    if (!bus_) return;
    // Any sender: matching on the server's well-known name would make Qt
    // ask the bus who owns it, and wait for the answer.
    bus_->connect(QString(), kPath, kService, QStringLiteral("ActionInvoked"), this,
                  SLOT(on_action_invoked(uint, QString)));
  }

  void send(quint64 ticket, const QString& summary, const QString& body,
            const QString& action_label) {
    if (!bus_) {
      emit sent(ticket, false, 0);
      return;
    }
    QStringList actions;
    if (!action_label.isEmpty()) actions << kActionKey << action_label;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    call << QStringLiteral("Morrowjar") << 0u << QStringLiteral("morrowjar") << summary << body
         << actions << QVariantMap() << -1;
    auto* watcher = new QDBusPendingCallWatcher(
        bus_->asyncCall(call, static_cast<int>(kNoticeAnswerLimit.count())), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, ticket] {
      const QDBusPendingReply<uint> reply = *watcher;
      if (!reply.isError()) server_ = reply.reply().service();
      emit sent(ticket, !reply.isError(), reply.isError() ? 0u : reply.value());
      watcher->deleteLater();
    });
  }

  // Only from the server that took the notices: another program on the bus
  // cannot open the messages by sending the signal.
  void on_action_invoked(uint id, const QString& action) {
    if (calledFromDBus() && message().service() == server_) emit action_invoked(id, action);
  }

 signals:
  void answered(bool connected);
  void sent(quint64 ticket, bool taken, uint id);
  void action_invoked(uint id, const QString& action);

 private:
  std::optional<QDBusConnection> bus_;
  QString server_;  // the unique name of the server that answered last
};

}  // namespace

// On the caller's thread: the notices waiting for an answer, and the one
// whose action counts.
struct desktop_notices::state {
  QObject context;
  notice_sender* sender = nullptr;
  enum class bus_state { connecting, connected, absent } bus = bus_state::connecting;
  quint64 next_ticket = 1;
  struct waiting {
    std::function<void(bool)> taken;
    std::function<void()> on_action;
  };
  std::map<quint64, waiting> waiting_for_answer;
  uint offered_id = 0;
  std::function<void()> offered_action;

  void answer(quint64 ticket, bool taken, uint id) {
    const auto it = waiting_for_answer.find(ticket);
    if (it == waiting_for_answer.end()) return;  // answered late: already told
    waiting w = std::move(it->second);
    waiting_for_answer.erase(it);
    if (taken && w.on_action) {
      offered_id = id;
      offered_action = std::move(w.on_action);
    }
    w.taken(taken);
  }
};

desktop_notices::desktop_notices() : state_(std::make_unique<state>()) {
  state* s = state_.get();
  s->sender = new notice_sender;
  QObject::connect(s->sender, &notice_sender::answered, &s->context, [s](bool connected) {
    s->bus = connected ? state::bus_state::connected : state::bus_state::absent;
  });
  QObject::connect(s->sender, &notice_sender::sent, &s->context,
                   [s](quint64 ticket, bool taken, uint id) { s->answer(ticket, taken, id); });
  QObject::connect(s->sender, &notice_sender::action_invoked, &s->context,
                   [s](uint id, const QString& action) {
                     if (id == 0 || id != s->offered_id || action != kActionKey) return;
                     s->offered_id = 0;
                     const std::function<void()> act = std::move(s->offered_action);
                     s->offered_action = nullptr;
                     if (act) act();
                   });
  move_to_bus_thread(s->sender, &s->context);
  QMetaObject::invokeMethod(s->sender, &notice_sender::connect_bus, Qt::QueuedConnection);
}

desktop_notices::~desktop_notices() = default;

void desktop_notices::send(desktop_notice notice, std::function<void(bool taken)> taken) {
  state* s = state_.get();
  const quint64 ticket = s->next_ticket++;
  s->waiting_for_answer[ticket] = {std::move(taken), std::move(notice.on_action)};
  if (s->bus == state::bus_state::absent) {
    QTimer::singleShot(0, &s->context, [s, ticket] { s->answer(ticket, false, 0); });
    return;
  }
  QTimer::singleShot(kNoticeAnswerLimit, &s->context, [s, ticket] { s->answer(ticket, false, 0); });
  QMetaObject::invokeMethod(
      s->sender,
      [sender = s->sender, ticket, summary = QString::fromStdString(notice.summary),
       body = QString::fromStdString(notice.body),
       label = QString::fromStdString(notice.action_label)] {
        sender->send(ticket, summary, body, label);
      },
      Qt::QueuedConnection);
}

}  // namespace mj::platform

#include "desktop_notice_linux.moc"
