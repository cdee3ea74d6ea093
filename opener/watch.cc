#include "opener/watch.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDateTime>
#include <QTimeZone>
#include <ctime>
#include <iostream>

#include "base/visible_text.h"
#include "base/wording.h"
#include "platform/clock_changes.h"
#include "platform/local_date.h"
#include "platform/settings_store.h"

namespace mj {

namespace {

// The files that name the local time zone; a change of zone replaces one.
const QStringList kZoneFolders = {QStringLiteral("/etc")};

QByteArray current_zone_id() {
  // The C library caches the zone it read first; make it read it again.
  tzset();
  return QTimeZone::systemTimeZoneId();
}

// Milliseconds from now to just after the next local midnight.
qint64 until_next_midnight() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDateTime midnight(now.date().addDays(1), QTime(0, 0));
  // A second late, so that the day has surely changed when the timer fires.
  return std::max<qint64>(now.msecsTo(midnight), 0) + 1000;
}

}  // namespace

std::string came_back_summary(const std::map<std::string, int>& came_back) {
  int total = 0;
  std::string parts;
  for (const auto& [folder, count] : came_back) {
    total += count;
    if (!parts.empty()) parts += ", ";
    //: A schedule folder and how many of its files were opened.
    parts += fill(
        localized("mj::watch", "%1 (%2)"),
        {folder.empty() ? localized("mj::watch", "capsule root") : folder, std::to_string(count)});
  }
  if (total == 0) return {};
  return total == 1 ? fill(localized("mj::watch", "1 capsule came back: %1"), {parts})
                    : fill(localized("mj::watch", "%1 capsules came back: %2"),
                           {std::to_string(total), parts});
}

day_watcher::day_watcher(std::string command_line, bool notify)
    : command_line_(std::move(command_line)), notify_(notify) {
  midnight_.setSingleShot(true);
  midnight_.setTimerType(Qt::VeryCoarseTimer);
  connect(&midnight_, &QTimer::timeout, this, [this] { run_if_new_day(false); });
  platform::watch_clock_changes(this, [this] {
    arm_midnight();
    run_if_new_day(false);
  });
  // logind tells of sleep and wake-up on the system bus; without one, the
  // watch still works at midnight.
  QDBusConnection::systemBus().connect(QString(), QStringLiteral("/org/freedesktop/login1"),
                                       QStringLiteral("org.freedesktop.login1.Manager"),
                                       QStringLiteral("PrepareForSleep"), this,
                                       SLOT(on_prepare_for_sleep(bool)));
  zone_id_ = current_zone_id();
  zone_watcher_.addPaths(kZoneFolders);
  connect(&zone_watcher_, &QFileSystemWatcher::directoryChanged, this,
          &day_watcher::on_zone_files_changed);
}

day_watcher::~day_watcher() = default;

void day_watcher::start() { run_if_new_day(true); }

void day_watcher::on_prepare_for_sleep(bool going_to_sleep) {
  if (going_to_sleep) return;
  arm_midnight();
  run_if_new_day(false);
}

void day_watcher::on_zone_files_changed() {
  const QByteArray zone = current_zone_id();
  if (zone == zone_id_) return;
  zone_id_ = zone;
  arm_midnight();
  run_if_new_day(false);
}

void day_watcher::run_if_new_day(bool first) {
  if (run_) return;  // the run going on covers today; its end re-arms the wait
  const QString stored = platform::read_setting("date", "prev_date");
  if (!first && stored.toStdString() == format_prev_date(platform::local_date_today())) {
    arm_midnight();
    return;
  }
  problems_.clear();
  run_ = std::make_unique<run_window>();
  // No boxes from a program nobody started by hand: reports go to the
  // journal (stderr) and into the notification.
  run_->set_reporter([this](const failure& f) {
    if (f.code == failure_code::not_found) return;
    std::cerr << kProgramTitle << ": " << printable_line(f.description) << "\n";
    problems_.push_back(f.description);
  });
  connect(run_.get(), &run_window::finished, this, &day_watcher::on_run_finished,
          Qt::QueuedConnection);
  switch (run_->start_run(command_line_, first)) {
    case run_window::start::running:
      if (run_->has_files()) run_->show();
      break;
    case run_window::start::skipped:
    case run_window::start::busy:
      run_.reset();
      arm_midnight();
      break;
  }
}

void day_watcher::on_run_finished() {
  const std::string summary = came_back_summary(run_->came_back());
  std::string body;
  if (!problems_.empty()) {
    body = problems_.size() == 1 ? problems_.front()
                                 : fill(localized("mj::watch", "%1 problems; the first: %2"),
                                        {std::to_string(problems_.size()), problems_.front()});
  }
  run_->hide();
  run_.release()->deleteLater();
  if (notify_ && (!summary.empty() || !body.empty()))
    notify_desktop(summary.empty() ? localized("mj::watch", "Morrowjar met a problem") : summary,
                   body);
  arm_midnight();
}

void day_watcher::arm_midnight() { midnight_.start(static_cast<int>(until_next_midnight())); }

void day_watcher::notify_desktop(const std::string& summary, const std::string& body) const {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  QDBusInterface notifications(QStringLiteral("org.freedesktop.Notifications"),
                               QStringLiteral("/org/freedesktop/Notifications"),
                               QStringLiteral("org.freedesktop.Notifications"), bus);
  // Not waited for: without a notification server there is no notice and no
  // error.
  notifications.asyncCall(QStringLiteral("Notify"), QStringLiteral("Morrowjar"), 0u,
                          QStringLiteral("morrowjar"), QString::fromStdString(summary),
                          QString::fromStdString(body), QStringList(), QVariantMap(), -1);
}

}  // namespace mj
