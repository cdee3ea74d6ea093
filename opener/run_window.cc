#include "opener/run_window.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

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
  setWindowTitle(QString::fromUtf8("Morrowjar処理中"));
  setWindowIcon(QIcon(QStringLiteral(":/morrowjar/m_jar.png")));
  setFixedSize(452, 291);
  setBackgroundRole(QPalette::Window);
  setAutoFillBackground(true);
  timer_.setInterval(kDefaultInterval);
  connect(&timer_, &QTimer::timeout, this, &run_window::open_next_file);
}

bool run_window::start_run(const std::string& command_line) {
  if (platform::insert_key_down()) {
    platform::show_message(QString::fromUtf8("一回休み"),
                           QStringLiteral("morrowjar for Windows32"));
    return false;
  }
  const run_inputs inputs{platform::read_setting(kSection, kKey).toStdString(),
                          platform::local_date_today(), command_line};
  const prepared_run run = prepare_run(inputs, report_by_policy);
  queue_ = opening_queue(run.plan.selection.open_queue);
  working_folder_ = run.plan.selection.working_folder.empty() ? QDir::currentPath().toStdString()
                                                              : run.plan.selection.working_folder;
  timer_.setInterval(run.interval_ms);
  timer_.start();
  if (const auto f = platform::write_setting(kSection, kKey, QString::fromStdString(run.prev_date)))
    report_by_policy(*f);
  return true;
}

void run_window::open_next_file() {
  const std::optional<std::string> path = queue_.tick();
  if (!path) {
    timer_.stop();
    run_ended_ = true;
    QApplication::exit(0);
    return;
  }
  // The result is not examined: a file that cannot be opened is passed over.
  platform::open_with_desktop(*path, working_folder_);
}

}  // namespace mj
