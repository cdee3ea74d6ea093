// SPDX-License-Identifier: MIT
#include "writer/writer_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "platform/day_record.h"
#include "platform/local_date.h"
#include "platform/message_box.h"
#include "writer/capsule_store.h"
#include "writer/edit_commands.h"
#include "writer/schedule_guide.h"

namespace mj::writer {

namespace {

// The window was designed in twips, 15 to a device-independent pixel.
constexpr int kTwipsPerPixel = 15;

struct twip_rect {
  int left, top, width, height;
};

// The places of the window's parts as designed, in twips.
constexpr twip_rect kClientArea{0, 0, 6285, 3540};
constexpr twip_rect kMessageLabelPlace{240, 240, 2055, 255};
constexpr twip_rect kMessageEditPlace{240, 480, 5775, 1335};
constexpr twip_rect kScheduleLabelPlace{240, 1920, 1815, 255};
constexpr twip_rect kScheduleBoxPlace{240, 2280, 5775, 300};
constexpr twip_rect kReadingPlace{240, 2610, 5775, 255};
constexpr twip_rect kOkButtonPlace{2640, 2880, 1575, 495};
constexpr twip_rect kCancelButtonPlace{4440, 2880, 1575, 495};

QRect from_twips(const twip_rect& r) {
  return {r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
          r.height / kTwipsPerPixel};
}

// The client area shows in the system's window colour (usually white), not
// the dialog colour, with the labels in the matching text colour.
void use_window_colours(QWidget* client) {
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Base));
  palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
  client->setPalette(palette);
  client->setAutoFillBackground(true);
}

QPushButton* make_button(const QString& name, const QString& caption, QWidget* client) {
  auto* button = new QPushButton(caption, client);
  button->setObjectName(name);
  // Neither button answers Enter or Esc on the window's behalf.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QLabel* make_label(const QString& name, const QString& caption, QWidget* client) {
  auto* label = new QLabel(caption, client);
  label->setObjectName(name);
  return label;
}

}  // namespace

QPoint centred_top_left(QSize window, QRect screen) {
  return {screen.left() + (screen.width() - window.width()) / 2,
          screen.top() + (screen.height() - window.height()) / 2};
}

void show_failure(const QString& text) {
  platform::show_message(text, QStringLiteral("Morrowjar"));
}

bool ask_user(const QString& question, const QString& yes, const QString& no) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    QString line = question;
    line.replace(u'\n', u' ');
    std::fprintf(
        stderr, "Morrowjar: %s %s\n", qUtf8Printable(line),
        qUtf8Printable(QCoreApplication::translate(
            "mj::writer::writer_window", "(answered no: nobody can answer without a display)")));
    return false;
  }
  QMessageBox box(QMessageBox::Question, QStringLiteral("Morrowjar"), question);
  QPushButton* yes_button = box.addButton(yes, QMessageBox::AcceptRole);
  QPushButton* no_button = box.addButton(no, QMessageBox::RejectRole);
  box.setDefaultButton(no_button);
  box.setEscapeButton(no_button);
  box.exec();
  return box.clickedButton() == yes_button;
}

std::optional<date> served_through_of(const QString& capsule_root) {
  const result<platform::day_record> record =
      platform::read_day_record(platform::canonical_root_path(capsule_root.toStdString()));
  if (!record.ok()) return std::nullopt;
  return record->served_through;
}

void print_stored_path(const QString& path) {
  std::printf("%s\n", qUtf8Printable(QDir::toNativeSeparators(path)));
  std::fflush(stdout);
}

QString path_for_people(const QString& path) {
  QString shown = QDir::cleanPath(QDir::fromNativeSeparators(path));
  const QString home = QDir::cleanPath(QDir::homePath());
  if (shown == home) {
    shown = QStringLiteral("~");
  } else if (home != u'/' && shown.startsWith(home + u'/')) {
    shown = u'~' + shown.mid(home.size());
  }
  return QDir::toNativeSeparators(shown);
}

wall_time local_wall_time_now() { return platform::local_time_now(); }

writer_window::writer_window(QString capsule_root, writer_services services)
    : capsule_root_(std::move(capsule_root)), services_(std::move(services)) {
  setObjectName(QStringLiteral("writer_window"));
  // Where the message goes, in the title: "~/Morrowjar".
  setWindowTitle(tr("Morrowjar Text Input — %1").arg(path_for_people(capsule_root_)));
  served_through_ = services_.served_through(capsule_root_);
  auto* client = new QWidget(this);
  client_size_ = from_twips(kClientArea).size();
  client->setFixedSize(client_size_);
  use_window_colours(client);
  setCentralWidget(client);
  build_controls(client);
  build_menu();
  fill_schedule_choices(std::chrono::floor<std::chrono::days>(services_.now()));
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  message_edit_->setFocus();
}

void writer_window::build_controls(QWidget* client) {
  message_edit_ = new QPlainTextEdit(client);
  message_edit_->setObjectName(QStringLiteral("message_edit"));
  message_edit_->setGeometry(from_twips(kMessageEditPlace));
  message_edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  message_edit_->setTabChangesFocus(true);
  message_edit_->setInputMethodHints(Qt::ImhNone);  // any input method: Japanese messages

  message_label_ = make_label(QStringLiteral("message_label"), tr("Message"), client);
  message_label_->setGeometry(from_twips(kMessageLabelPlace));

  schedule_box_ = new QComboBox(client);
  schedule_box_->setObjectName(QStringLiteral("schedule_box"));
  schedule_box_->setEditable(true);
  schedule_box_->setInsertPolicy(QComboBox::NoInsert);
  schedule_box_->setGeometry(from_twips(kScheduleBoxPlace));
  // Schedule names are ASCII keywords and digits: ask for Latin input.
  const Qt::InputMethodHints latin = Qt::ImhLatinOnly | Qt::ImhNoPredictiveText;
  schedule_box_->setInputMethodHints(latin);
  schedule_box_->lineEdit()->setInputMethodHints(latin);
  // What the box holds is the folder name, exactly: Qt's default completer
  // would fill in the first choice that starts with what was typed ("E"
  // would become "EVERYDAY").
  schedule_box_->setCompleter(nullptr);

  schedule_label_ = make_label(QStringLiteral("schedule_label"), tr("When"), client);
  schedule_label_->setGeometry(from_twips(kScheduleLabelPlace));

  // Between the schedule box and the buttons: when a message stored now
  // opens. A longer reading wraps, and the window grows to show all of it.
  schedule_reading_ = make_label(QStringLiteral("schedule_reading"), QString(), client);
  reading_place_ = from_twips(kReadingPlace);
  schedule_reading_->setGeometry(reading_place_);
  schedule_reading_->setWordWrap(true);
  schedule_reading_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  ok_button_ = make_button(QStringLiteral("ok_button"), tr("OK"), client);
  ok_place_ = from_twips(kOkButtonPlace);
  ok_button_->setGeometry(ok_place_);
  cancel_button_ = make_button(QStringLiteral("cancel_button"), tr("Cancel"), client);
  cancel_place_ = from_twips(kCancelButtonPlace);
  cancel_button_->setGeometry(cancel_place_);
  // Enter on a focused button presses it, as Space does.
  ok_button_->installEventFilter(this);
  cancel_button_->installEventFilter(this);

  setTabOrder(message_edit_, schedule_box_);
  setTabOrder(schedule_box_, ok_button_);
  setTabOrder(ok_button_, cancel_button_);

  connect(ok_button_, &QPushButton::clicked, this, [this] { store_and_close(); });
  connect(cancel_button_, &QPushButton::clicked, this, [this] { cancel(); });
  schedule_box_->installEventFilter(this);
  schedule_box_->lineEdit()->installEventFilter(this);
}

void writer_window::build_menu() {
  QMenu* edit_menu = menuBar()->addMenu(tr("&Edit"));
  edit_menu->setObjectName(QStringLiteral("edit_menu"));
  const auto add_item = [&](const char* name, const QString& caption, QKeyCombination key,
                            void (writer_window::*handler)()) {
    QAction* action = edit_menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(key));
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
  };
  select_all_action_ = add_item("select_all_action", tr("Select &All"), Qt::CTRL | Qt::Key_A,
                                &writer_window::select_all);
  copy_action_ = add_item("copy_action", tr("&Copy"), Qt::CTRL | Qt::Key_C, &writer_window::copy);
  paste_action_ =
      add_item("paste_action", tr("&Paste"), Qt::CTRL | Qt::Key_V, &writer_window::paste);

  // Escape anywhere in the window is Cancel (which asks before losing text).
  auto* escape = new QAction(this);
  escape->setObjectName(QStringLiteral("escape_action"));
  escape->setShortcut(QKeySequence(Qt::Key_Escape));
  connect(escape, &QAction::triggered, this, [this] { cancel(); });
  addAction(escape);

  auto* filter = new edit_shortcut_filter({select_all_action_, copy_action_, paste_action_}, this);
  for (QWidget* control :
       {static_cast<QWidget*>(message_edit_), static_cast<QWidget*>(schedule_box_),
        static_cast<QWidget*>(schedule_box_->lineEdit())})
    control->installEventFilter(filter);
}

void writer_window::fill_schedule_choices(date today) {
  schedule_box_->addItems(schedule_choices(today));
  schedule_box_->setCurrentIndex(-1);
  schedule_box_->setEditText(QString());
  // Followed from here on: while the list fills, the box holds its first
  // entry for a moment, and reading it would cost the start-up a forecast.
  show_reading(QString());
  connect(schedule_box_, &QComboBox::editTextChanged, this,
          [this](const QString& schedule) { show_reading(schedule); });
}

void writer_window::show_reading(const QString& schedule) {
  const schedule_reading reading = read_schedule(schedule, services_.now(), served_through_);
  schedule_reading_->setText(reading.words);
  schedule_reading_->setToolTip(reading.words);
  QPalette palette = schedule_reading_->parentWidget()->palette();
  if (reading.outlook == schedule_outlook::doubtful)
    palette.setColor(QPalette::WindowText, QColor(0x9a, 0x52, 0x00));  // a warning: amber
  else if (reading.outlook != schedule_outlook::opens)
    palette.setColor(QPalette::WindowText, QColor(0xa0, 0x00, 0x00));  // never opens: red
  schedule_reading_->setPalette(palette);
  fit_reading();
}

// The reading gets the lines it needs; the buttons and the window's bottom
// move down by as much, and back when it is short again.
void writer_window::fit_reading() {
  const int needed =
      std::max(reading_place_.height(), schedule_reading_->heightForWidth(reading_place_.width()));
  const int extra = needed - reading_place_.height();
  if (schedule_reading_->height() == needed) return;
  schedule_reading_->setGeometry(reading_place_.adjusted(0, 0, 0, extra));
  ok_button_->setGeometry(ok_place_.translated(0, extra));
  cancel_button_->setGeometry(cancel_place_.translated(0, extra));
  centralWidget()->setFixedSize(client_size_ + QSize(0, extra));
}

// Placed when first shown, once the menu bar and the controls have their
// final sizes, and before the window reaches the screen.
void writer_window::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    centre_on_screen();
    // Before anything is typed: a capsule root that cannot take a message.
    QTimer::singleShot(0, this, [this] { report_unusable_root(); });
  }
  QMainWindow::showEvent(event);
}

void writer_window::report_unusable_root() {
  if (const result<void> problem = capsule_root_problem(capsule_root_); !problem.ok())
    services_.report(QString::fromStdString(problem.error().description));
}

bool writer_window::holds_text() const { return !whole_text(message_edit_).trimmed().isEmpty(); }

void writer_window::closeEvent(QCloseEvent* event) {
  if (!stored_ && holds_text() &&
      !services_.ask(tr("Throw away the message you typed?"), tr("&Throw away"),
                     tr("&Keep editing"))) {
    event->ignore();
    message_edit_->setFocus();
    return;
  }
  QMainWindow::closeEvent(event);
}

void writer_window::centre_on_screen() {
  adjustSize();
  const QScreen* where = screen();
  if (!where) return;
  move(centred_top_left(frameGeometry().size(), where->geometry()));
}

QWidget* writer_window::active_text_control() const {
  QWidget* focused = focusWidget();
  if (focused == message_edit_) return message_edit_;
  if (focused == schedule_box_ || focused == schedule_box_->lineEdit())
    return schedule_box_->lineEdit();
  return nullptr;
}

bool writer_window::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      (watched == schedule_box_ || watched == schedule_box_->lineEdit()))
    return enter_in_schedule_box(*static_cast<QKeyEvent*>(event));
  if (event->type() == QEvent::KeyPress && (watched == ok_button_ || watched == cancel_button_)) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      static_cast<QPushButton*>(watched)->click();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void writer_window::store_and_close() {
  const QString text = whole_text(message_edit_);
  if (text.trimmed().isEmpty()) {
    services_.report(tr("There is nothing to store: the message is empty. Type a message first."));
    message_edit_->setFocus();
    return;
  }
  // The opener may have made today's run since the window opened.
  served_through_ = services_.served_through(capsule_root_);
  const QString schedule = schedule_box_->currentText();
  show_reading(schedule);
  const schedule_reading reading = read_schedule(schedule, services_.now(), served_through_);
  if (schedule.isEmpty() && !confirm_empty_schedule()) {
    schedule_box_->setFocus();
    return;
  }
  if (reading.outlook == schedule_outlook::never_opens &&
      !services_.ask(
          tr("%1.\n\nStore the message in the folder \"%2\" anyway?").arg(reading.words, schedule),
          tr("&Store anyway"), tr("&Back to the schedule"))) {
    schedule_box_->setFocus();
    return;
  }
  const result<stored_message> stored =
      store_message({capsule_root_, schedule, text}, QDateTime::currentDateTime());
  // After a failure the window stays, with the message and the schedule text
  // as they were, so that nothing the user typed is lost.
  if (!stored.ok()) {
    services_.report(QString::fromStdString(stored.error().description));
    return;
  }
  stored_ = true;
  services_.stored(stored->file_path);
  close();
}

// Without a schedule the message lies loose in the capsule and opens at
// every run for as long as it is there: asked once, going back by default.
bool writer_window::confirm_empty_schedule() {
  return services_.ask(tr("No schedule is chosen. Without one, the message opens every time the "
                          "opener runs, every day, until someone deletes it.\n\nStore it to "
                          "open at every run?"),
                       tr("&Open at every run"), tr("&Back to the schedule"));
}

void writer_window::cancel() { close(); }

// Enter stores the message as OK does; with no message yet (or only spaces
// and line breaks) it sends the user back to the message field. Modifiers
// do not matter.
bool writer_window::enter_in_schedule_box(const QKeyEvent& key) {
  if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
  if (!holds_text()) {
    message_edit_->setFocus();
  } else {
    store_and_close();
  }
  return true;
}

void writer_window::select_all() { select_all_text(active_text_control()); }

void writer_window::copy() { copy_text(active_text_control(), QApplication::clipboard()); }

void writer_window::paste() { paste_text(active_text_control(), QApplication::clipboard()); }

}  // namespace mj::writer
