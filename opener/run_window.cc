#include "opener/run_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QIcon>
#include <iostream>

#include "base/wording.h"
#include "platform/key_state.h"
#include "platform/local_date.h"
#include "platform/message_box.h"
#include "platform/open_file.h"
#include "platform/settings_store.h"

namespace mj {

namespace {

const QString kSection = QStringLiteral("date");
const QString kKey = QStringLiteral("prev_date");

}  // namespace

void report_by_policy(const failure& f) {
  if (f.code == failure_code::not_found) return;
  platform::show_message(QString::fromStdString(f.description), kProgramTitle);
}

run_window::run_window(QWidget* parent) : QWidget(parent) {
  setWindowTitle(tr("Morrowjar: opening capsules…"));
  setWindowIcon(QIcon(QStringLiteral(":/morrowjar/m_jar.png")));
  setFixedSize(452, 291);
  // A window that comes up at every login must not take the keyboard from
  // what the user is already typing into.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  timer_.setInterval(kDefaultInterval);
  connect(&timer_, &QTimer::timeout, this, &run_window::open_next_file);
}

run_window::~run_window() = default;

QString run_window::skipped_text() { return tr("Skipped this run"); }

run_window::start run_window::start_run(const std::string& command_line, bool skip_key) {
  if (skip_key && platform::insert_key_down()) {
    platform::show_message(skipped_text(), platform::skip_box_title(),
                           platform::message_kind::notice);
    return start::skipped;
  }
  const classic_command_line request = split_command_line(command_line, report_);
  const platform::capsule_location root = platform::resolve_capsule_root(request.location);
  root_label_ = root_label(root.full_path());

  lock_ = std::make_unique<QLockFile>(QString::fromStdString(run_lock_path(root)));
  // Only a lock whose process is gone is stale: a run that opens many files
  // with a long delay keeps its lock for as long as it needs.
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0)) {
    std::cerr << "m_jar: "
              << fill(localized("mj::run_window",
                                "another run is opening the capsule %1; this "
                                "one ends without opening anything"),
                      {root_label_})
              << "\n";
    return start::busy;
  }

  const date today = platform::local_date_today();
  const run_start calendar =
      run_start_from(platform::read_setting(kSection, kKey).toStdString(), today, report_);
  const run_plan plan = plan_run(root, calendar, report_);
  if (!plan.scan.root_listed && !request.location.empty()) {
    // Without a location the default capsule may simply not exist yet; a
    // location the user gave that is not there is worth a word. (One that
    // cannot be read was reported by the scan.)
    const std::string path = without_final_separators(root.full_path());
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) {
      const bool something_else = std::filesystem::exists(path, error);
      report_(make_failure(
          failure_code::path_access,
          fill(something_else ? localized("mj::run_window",
                                          "Capsule root %1 is not a folder. Nothing was opened; "
                                          "the next run tries again.")
                              : localized("mj::run_window",
                                          "Capsule root %1 is not there. Nothing was opened; "
                                          "the next run tries again."),
               {root_label_})));
    }
  }
  covers_the_day_ = plan.covers_the_day();
  today_ = format_prev_date(today);
  queue_ = opening_queue(plan.selection.open_queue);
  for (const queue_entry& e : plan.selection.open_queue)
    folder_of_.push_back(e.folder ? plan.scan.folders[*e.folder].name : std::string());
  working_folder_ = plan.selection.working_folder.empty() ? QDir::currentPath().toStdString()
                                                          : plan.selection.working_folder;
  timer_.setInterval(request.interval_ms.value_or(kDefaultInterval));
  timer_.start();
  return start::running;
}

void run_window::open_next_file() {
  const std::optional<std::string> path = queue_.tick();
  if (!path) {
    finish_run();
    return;
  }
  const std::string& folder = folder_of_[queue_.handed_over() - 1];
  if (const auto failed = platform::open_with_desktop(*path, working_folder_)) {
    queue_.mark_failed();
    // A box waits for the user; no file is handed over meanwhile.
    timer_.stop();
    report_(failure{failed->code,
                    fill(localized("mj::run_window", "%1 (capsule %2). The next run tries again."),
                         {failed->description, root_label_})});
    if (!run_ended_) timer_.start();
  } else {
    ++came_back_[folder];
  }
}

void run_window::closeEvent(QCloseEvent* event) {
  if (!run_ended_) {
    timer_.stop();
    run_ended_ = true;
    if (lock_) lock_->unlock();
    emit finished();
  }
  QWidget::closeEvent(event);
}

void run_window::finish_run() {
  timer_.stop();
  run_ended_ = true;
  if (covers_the_day_ && queue_.failed() == 0) {
    if (const auto f = platform::write_setting(kSection, kKey, QString::fromStdString(today_)))
      report_(failure{f->code,
                      fill(localized("mj::run_window", "%1. The next run covers these days again."),
                           {f->description})});
    else
      day_stored_ = true;
  }
  lock_->unlock();
  emit finished();
}

}  // namespace mj
