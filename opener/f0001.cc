#include "opener/f0001.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include "opener/failure_policy.h"
#include "opener/load_sequence.h"
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

f0001::f0001(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QString::fromUtf8("Morrowjar処理中"));
  setWindowIcon(QIcon(QStringLiteral(":/morrowjar/m_jar.png")));
  setFixedSize(452, 291);
  setBackgroundRole(QPalette::Window);
  setAutoFillBackground(true);
  Timer1.setInterval(kDefaultInterval);
  connect(&Timer1, &QTimer::timeout, this, &f0001::Timer1_Timer);
}

bool f0001::Form_Load(const std::string& command_line) {
  if (platform::insert_key_down()) {
    platform::show_message(QString::fromUtf8("一回休み"),
                           QStringLiteral("morrowjar for Windows32"));
    return false;
  }
  const load_inputs inputs{platform::read_setting(kSection, kKey).toStdString(),
                           platform::local_date_today(), command_line};
  const load_outcome outcome = run_load_sequence(inputs, report_by_policy);
  queue_ = opening_queue(outcome.plan.selection.open_queue);
  working_folder_ = outcome.plan.selection.working_folder.empty()
                        ? QDir::currentPath().toStdString()
                        : outcome.plan.selection.working_folder;
  Timer1.setInterval(outcome.interval_ms);
  Timer1.start();
  if (const auto f =
          platform::write_setting(kSection, kKey, QString::fromStdString(outcome.prev_date)))
    report_by_policy(*f);
  return true;
}

void f0001::Timer1_Timer() {
  const std::optional<std::string> path = queue_.tick();
  if (!path) {
    Timer1.stop();
    run_ended_ = true;
    QApplication::exit(0);
    return;
  }
  // The result is not examined: a file that cannot be opened is passed over.
  platform::open_with_desktop(*path, working_folder_);
}

}  // namespace mj
