// SPDX-License-Identifier: MIT
#include "opener/watch.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTimeZone>
#include <filesystem>
#include <iostream>

#include "base/visible_text.h"
#include "base/wording.h"
#include "opener/dry_run.h"
#include "platform/clock_changes.h"
#include "platform/hand_over.h"
#include "platform/local_date.h"
#include "platform/next_day_start.h"
#include "platform/sleep_watch.h"
#include "platform/zone_watch.h"

namespace mj::opener {

// Each wait for the next day and each wake-up, for QT_LOGGING_RULES=
// "morrowjar.watch.debug=true": how a watch spends its days can be checked.
Q_LOGGING_CATEGORY(watch_log, "morrowjar.watch", QtWarningMsg)

namespace {

// Milliseconds from now to just after the next day begins in the local
// zone: local midnight, or the instant the clocks jump past a midnight they
// skip.
qint64 until_next_day() {
  const QDateTime now = QDateTime::currentDateTimeUtc();
  QTimeZone zone = QTimeZone::systemTimeZone();
  if (!zone.isValid()) zone = QTimeZone(QDateTime::currentDateTime().offsetFromUtc());
  const QDateTime next = platform::next_day_start(now, zone);
  // A second late, so that the day has surely changed when the timer fires
  // (a very coarse timer may fire half a second early).
  const qint64 wait_ms = std::max<qint64>(now.msecsTo(next), 0) + 1000;
  qCDebug(watch_log) << "the next day begins at" << next.toTimeZone(zone).toString(Qt::ISODate)
                     << "in" << wait_ms / 1000 << "s";
  return wait_ms;
}

}  // namespace

std::string came_back_summary(const std::map<std::string, int>& came_back) {
  int total = 0;
  std::string parts;
  for (const auto& [folder, count] : came_back) {
    total += count;
    if (!parts.empty()) parts += ", ";
    //: A schedule folder and how many of its files were opened.
    parts += fill(localized("mj::opener::watch", "%1 (%2)"),
                  {folder.empty() ? localized("mj::opener::watch", "capsule root") : folder,
                   std::to_string(count)});
  }
  if (total == 0) return {};
  return total == 1 ? fill(localized("mj::opener::watch", "1 capsule came back: %1"), {parts})
                    : fill(localized("mj::opener::watch", "%1 capsules came back: %2"),
                           {std::to_string(total), parts});
}

day_watcher::day_watcher(std::string command_line, bool notify)
    : command_line_(std::move(command_line)), notify_(notify) {
  midnight_.setSingleShot(true);
  midnight_.setTimerType(Qt::VeryCoarseTimer);
  connect(&midnight_, &QTimer::timeout, this, [this] {
    qCDebug(watch_log) << "woke: the day changed";
    run_if_new_day(false);
  });
  // A run started by hand that holds the lock over midnight: try again a
  // minute later, rather than leave the day without a run.
  busy_retry_.setSingleShot(true);
  busy_retry_.setInterval(60 * 1000);
  connect(&busy_retry_, &QTimer::timeout, this, [this] { run_if_new_day(false); });
  platform::watch_clock_changes(this, [this] {
    qCDebug(watch_log) << "woke: the clock was set";
    arm_midnight();
    run_if_new_day(false);
  });
  // The session bus first: the first run's notice may soon need it.
  if (notify_) notices_ = std::make_unique<platform::desktop_notices>();
  // logind tells of sleep and wake-up on the system bus; without one, the
  // watch still works at midnight.
  platform::watch_wake_ups(this, [this] {
    qCDebug(watch_log) << "woke: the computer woke from sleep";
    arm_midnight();
    run_if_new_day(false);
  });
  platform::watch_zone_changes(this, [this](const QByteArray& zone) {
    qCDebug(watch_log) << "woke: the time zone changed to" << zone;
    arm_midnight();
    run_if_new_day(false);
  });
}

day_watcher::~day_watcher() = default;

void day_watcher::start() { run_if_new_day(true); }

void day_watcher::run_if_new_day(bool first) {
  if (run_) return;  // the run going on covers today; its end looks again
  // Not before the day after the last one served: clocks set back over
  // midnight show yesterday's date again for an hour, which is served.
  if (!first && served_day_ && platform::local_date_today() <= *served_day_) {
    arm_midnight();
    return;
  }
  login_run_ = first;
  busy_retry_.stop();
  // No boxes during the run: problems go to the journal (stderr) and into
  // the notification; only the login run's show in a box, at its end, when
  // no notification server takes its notice.
  run_ = std::make_unique<run_window>(false);
  connect(run_.get(), &run_window::finished, this, &day_watcher::on_run_finished,
          Qt::QueuedConnection);
  switch (run_->start_run(command_line_, first)) {
    case run_window::start::running:
      if (run_->has_files()) run_->show();
      break;
    case run_window::start::busy:
      busy_retry_.start();
      [[fallthrough]];
    case run_window::start::skipped:
      run_.reset();
      arm_midnight();
      break;
  }
}

void day_watcher::on_run_finished() {
  const opener_run& run = run_->run();
  const std::string summary = came_back_summary(run.came_back());
  for (const failure& f : run.problems())
    std::cerr << kProgramTitle << ": " << printable_line(f.description) << "\n";
  std::string body;
  const auto& problems = run.problems();
  if (!problems.empty()) {
    body = problems.size() == 1
               ? problems.front().description
               : fill(localized("mj::opener::watch", "%1 problems; the first: %2"),
                      {std::to_string(problems.size()), problems.front().description});
  }
  const std::vector<passed_over_file> passed_over = run.passed_over();
  if (!passed_over.empty()) {
    std::string list;
    for (const passed_over_file& p : passed_over) {
      if (!list.empty()) list += ", ";
      list += fill(localized("mj::opener::watch", "%1 (%2)"),
                   {printable(p.folder + "/" + std::filesystem::path(p.path).filename().string()),
                    day_words(p.due_on)});
    }
    const std::string told =
        passed_over.size() == 1
            ? fill(localized("mj::opener::watch",
                             "1 message came due while this computer was off: %1"),
                   {list})
            : fill(localized("mj::opener::watch",
                             "%1 messages came due while this computer was off: %2"),
                   {std::to_string(passed_over.size()), list});
    std::cerr << kProgramTitle << ": " << printable_line(told) << "\n";
    body = body.empty() ? told : told + "\n" + body;
  }
  const date run_day = run.today();
  const std::vector<failure> problems_of_run = problems;
  if (run.day_served()) served_day_ = run_day;
  run_->hide();
  run_.release()->deleteLater();
  if (notify_ && (!summary.empty() || !body.empty()))
    notify_desktop(
        summary.empty() ? localized("mj::opener::watch", "Morrowjar met a problem") : summary, body,
        passed_over, login_run_ ? problems_of_run : std::vector<failure>());
  arm_midnight();
  // A run that went on over midnight served the day it began: the new day
  // gets its own run now, not a day later.
  if (platform::local_date_today() > run_day)
    QTimer::singleShot(0, this, [this] { run_if_new_day(false); });
}

void day_watcher::arm_midnight() { midnight_.start(static_cast<int>(until_next_day())); }

void day_watcher::notify_desktop(const std::string& summary, const std::string& body,
                                 const std::vector<passed_over_file>& passed_over,
                                 std::vector<failure> problems_to_show) {
  platform::desktop_notice notice{summary, body, {}, {}};
  if (!passed_over.empty()) {
    notice.action_label = localized("mj::opener::watch", "Open");
    notice.on_action = [this, passed_over] { open_passed_over(passed_over); };
  }
  // The login run stands for a plain run: when no notification server took
  // its notice, its problems show as a plain run shows them, in one box.
  // Without a display they are on stderr already.
  notices_->send(std::move(notice), [problems = std::move(problems_to_show)](bool taken) {
    if (taken || problems.empty()) return;
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
    show_problems(problems);
  });
}

void day_watcher::open_passed_over(const std::vector<passed_over_file>& files) {
  for (const passed_over_file& p : files)
    platform::hand_to_desktop(p.path, std::filesystem::path(p.path).parent_path().string(),
                              platform::kHandOverPatience, this, [](const result<void>& outcome) {
                                if (!outcome.ok())
                                  std::cerr << kProgramTitle << ": "
                                            << printable_line(outcome.error().description) << "\n";
                              });
}

}  // namespace mj::opener
