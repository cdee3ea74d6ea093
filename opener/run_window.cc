// SPDX-License-Identifier: MIT
#include "opener/run_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <iostream>

#include "base/visible_text.h"
#include "base/wording.h"
#include "platform/message_box.h"

namespace mj::opener {

namespace {

// The window's size when it first shows.
constexpr QSize kRunWindowSize{452, 291};

QString file_row(const opener_run::queued_file& f) {
  QString mark;
  switch (f.state) {
    case opener_run::file_state::waiting:
      mark = QStringLiteral("·");
      break;
    case opener_run::file_state::handing_over:
      mark = QStringLiteral("…");
      break;
    case opener_run::file_state::handed_over:
      mark = QStringLiteral("✓");
      break;
    case opener_run::file_state::failed:
      mark = QStringLiteral("✗");
      break;
  }
  const std::string name = std::filesystem::path(f.path).filename().string();
  const QString place = f.folder.empty() ? run_window::tr("capsule root")
                                         : QString::fromStdString(printable(f.folder));
  return mark + "  " + QString::fromStdString(printable(name)) + "  (" + place + ")";
}

// The plain run asks, in a box, whether to open what days without a run
// passed over; without a display nobody can answer, and the list goes to
// stderr.
bool ask_to_open_passed_over(const std::vector<passed_over_file>& files) {
  QStringList lines;
  for (const passed_over_file& f : files)
    lines << QString::fromStdString(
        fill(localized("mj::opener::run_window", "%1 (%2)"),
             {printable(f.folder + "/" + std::filesystem::path(f.path).filename().string()),
              day_words(f.due_on)}));
  const QString text =
      files.size() == 1
          ? run_window::tr("1 message came due while this computer was off:")
          : run_window::tr("%n messages came due while this computer was off:", nullptr,
                           static_cast<int>(files.size()));
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    std::cerr << kProgramTitle << ": " << text.toStdString() << " "
              << lines.join(QStringLiteral(", ")).toStdString() << "\n";
    return false;
  }
  QMessageBox box(QMessageBox::Question, kProgramTitle, text);
  box.setInformativeText(lines.join('\n'));
  QPushButton* open = box.addButton(run_window::tr("Open them now"), QMessageBox::AcceptRole);
  box.addButton(run_window::tr("Leave them"), QMessageBox::RejectRole);
  box.setDefaultButton(open);
  box.exec();
  return box.clickedButton() == static_cast<QAbstractButton*>(open);
}

}  // namespace

run_window::run_window(bool interactive, QWidget* parent) : QWidget(parent) {
  setWindowTitle(tr("Morrowjar: opening capsules…"));
  setWindowIcon(QIcon(QStringLiteral(":/morrowjar/m_jar.png")));
  resize(kRunWindowSize);
  // A window that comes up at every login must not take the keyboard from
  // what the user is already typing into.
  setAttribute(Qt::WA_ShowWithoutActivating);
  auto* layout = new QVBoxLayout(this);
  heading_ = new QLabel(this);
  heading_->setWordWrap(true);
  list_ = new QListWidget(this);
  list_->setFocusPolicy(Qt::NoFocus);
  list_->setSelectionMode(QAbstractItemView::NoSelection);
  hint_ = new QLabel(
      tr("Closing this window stops the run; the files not opened yet open at the next run."),
      this);
  hint_->setWordWrap(true);
  layout->addWidget(heading_);
  layout->addWidget(list_, 1);
  layout->addWidget(hint_);

  run_services services = desktop_services(this);
  services.tell_skipped = [] {
    platform::show_message(skipped_text(), platform::skip_box_title(),
                           platform::message_kind::notice);
  };
  if (interactive) services.offer_passed_over = ask_to_open_passed_over;
  services.ended = [this] {
    timer_.stop();
    emit finished();
  };
  run_ = std::make_unique<opener_run>(std::move(services));
  connect(&timer_, &QTimer::timeout, this, &run_window::tick);
}

run_window::~run_window() = default;

QString run_window::skipped_text() { return tr("Skipped this run"); }

run_window::start run_window::start_run(const std::string& command_line, bool skip_key) {
  const start started = run_->begin(command_line, skip_key);
  if (started == start::busy)
    std::cerr << "m_jar: "
              << fill(localized("mj::opener::run_window",
                                "another run is opening the capsule %1; this "
                                "one ends without opening anything"),
                      {run_->root_label()})
              << "\n";
  if (started != start::running) return started;
  show_progress();
  timer_.setInterval(run_->interval_ms());
  timer_.start();
  return started;
}

void run_window::tick() {
  run_->tick();
  show_progress();
}

void run_window::show_progress() {
  const auto& files = run_->files();
  size_t done = 0;
  for (const auto& f : files)
    if (f.state == opener_run::file_state::handed_over || f.state == opener_run::file_state::failed)
      ++done;
  // The root's label is printable already: escaped again, each backslash of
  // a Windows path would show as four.
  heading_->setText(tr("Capsules from %1: %2 of %3 files handed to the desktop, %4 left.")
                        .arg(QString::fromStdString(run_->root_label()))
                        .arg(done)
                        .arg(files.size())
                        .arg(files.size() - done));
  while (list_->count() > static_cast<int>(files.size()))
    delete list_->takeItem(list_->count() - 1);
  for (size_t i = 0; i < files.size(); ++i) {
    const QString row = file_row(files[i]);
    if (i < static_cast<size_t>(list_->count())) {
      if (list_->item(static_cast<int>(i))->text() != row)
        list_->item(static_cast<int>(i))->setText(row);
    } else {
      list_->addItem(row);
    }
  }
}

void run_window::closeEvent(QCloseEvent* event) {
  timer_.stop();
  run_->stop();
  QWidget::closeEvent(event);
}

void show_problems(const std::vector<failure>& problems) {
  if (problems.empty()) return;
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    for (const failure& f : problems)
      platform::show_message(QString::fromStdString(f.description), kProgramTitle);
    return;
  }
  QStringList lines;
  for (const failure& f : problems) lines << QString::fromStdString(f.description);
  if (problems.size() == 1) {
    platform::show_message(lines.front(), kProgramTitle);
    return;
  }
  // Thirty problems stay readable: the first few in the box, all of them in
  // its details.
  constexpr int kShown = 5;
  QMessageBox box(
      QMessageBox::Warning, kProgramTitle,
      run_window::tr("This run met %n problems.", nullptr, static_cast<int>(problems.size())));
  box.setInformativeText(lines.mid(0, kShown).join(QStringLiteral("\n\n")) +
                         (lines.size() > kShown
                              ? run_window::tr("\n\n… and %n more (Show Details).", nullptr,
                                               static_cast<int>(lines.size() - kShown))
                              : QString()));
  box.setDetailedText(lines.join(QStringLiteral("\n\n")));
  box.exec();
}

}  // namespace mj::opener
