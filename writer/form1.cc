#include "writer/form1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "platform/message_box.h"
#include "writer/edit_shortcut_filter.h"
#include "writer/schedule_choices.h"
#include "writer/store_message.h"
#include "writer/text_controls.h"
#include "writer/window_placement.h"

namespace mj::writer {

namespace {

// The window was designed in twips, 15 to a device-independent pixel.
constexpr int kTwipsPerPixel = 15;

QRect from_twips(int left, int top, int width, int height) {
  return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
          height / kTwipsPerPixel};
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

void show_failure(const QString& text) {
  platform::show_message(text, QStringLiteral("Morrowjar"));
}

Form1::Form1(QString capsule_root, date today, reporter report)
    : capsule_root_(std::move(capsule_root)), report_(std::move(report)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("M_JAR TEXT INPUT"));
  auto* client = new QWidget(this);
  client->setFixedSize(from_twips(0, 0, 6285, 3540).size());
  use_window_colours(client);
  setCentralWidget(client);
  build_controls(client);
  build_menu();
  fill_schedule_choices(today);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  TB_COMMENT->setFocus();
}

void Form1::build_controls(QWidget* client) {
  TB_COMMENT = new QPlainTextEdit(client);
  TB_COMMENT->setObjectName(QStringLiteral("TB_COMMENT"));
  TB_COMMENT->setGeometry(from_twips(240, 480, 5775, 1335));
  TB_COMMENT->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  TB_COMMENT->setTabChangesFocus(true);
  TB_COMMENT->setInputMethodHints(Qt::ImhNone);  // any input method: Japanese messages

  Label2 = make_label(QStringLiteral("Label2"), QStringLiteral("message"), client);
  Label2->setGeometry(from_twips(240, 240, 2055, 255));

  CB_DIRECTORY = new QComboBox(client);
  CB_DIRECTORY->setObjectName(QStringLiteral("CB_DIRECTORY"));
  CB_DIRECTORY->setEditable(true);
  CB_DIRECTORY->setInsertPolicy(QComboBox::NoInsert);
  CB_DIRECTORY->setGeometry(from_twips(240, 2280, 5775, 300));
  // Schedule names are ASCII keywords and digits: ask for Latin input.
  const Qt::InputMethodHints latin = Qt::ImhLatinOnly | Qt::ImhNoPredictiveText;
  CB_DIRECTORY->setInputMethodHints(latin);
  CB_DIRECTORY->lineEdit()->setInputMethodHints(latin);

  Label3 = make_label(QStringLiteral("Label3"), QStringLiteral("subfolder"), client);
  Label3->setGeometry(from_twips(240, 1920, 1815, 255));

  MB_OK = make_button(QStringLiteral("MB_OK"), QStringLiteral("OK"), client);
  MB_OK->setGeometry(from_twips(2640, 2880, 1575, 495));
  MB_CANCEL = make_button(QStringLiteral("MB_CANCEL"), QStringLiteral("CANCEL"), client);
  MB_CANCEL->setGeometry(from_twips(4440, 2880, 1575, 495));

  setTabOrder(TB_COMMENT, CB_DIRECTORY);
  setTabOrder(CB_DIRECTORY, MB_OK);
  setTabOrder(MB_OK, MB_CANCEL);

  connect(MB_OK, &QPushButton::clicked, this, [this] { MB_OK_Click(); });
  connect(MB_CANCEL, &QPushButton::clicked, this, [this] { MB_CANCEL_Click(); });
  CB_DIRECTORY->installEventFilter(this);
  CB_DIRECTORY->lineEdit()->installEventFilter(this);
}

void Form1::build_menu() {
  QMenu* EDIT = menuBar()->addMenu(QStringLiteral("編集(&E)"));
  EDIT->setObjectName(QStringLiteral("EDIT"));
  const auto add_item = [&](const char* name, const QString& caption, QKeyCombination key,
                            void (Form1::*handler)()) {
    QAction* action = EDIT->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(key));
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
  };
  EDIT_ALLSEL = add_item("EDIT_ALLSEL", QStringLiteral("全選択(&A)"), Qt::CTRL | Qt::Key_A,
                         &Form1::EDIT_ALLSEL_Click);
  EDIT_COPY = add_item("EDIT_COPY", QStringLiteral("コピー(&C)"), Qt::CTRL | Qt::Key_C,
                       &Form1::EDIT_COPY_Click);
  EDIT_PASTE = add_item("EDIT_PASTE", QStringLiteral("貼り付け(&P)"), Qt::CTRL | Qt::Key_V,
                        &Form1::EDIT_PASTE_Click);

  auto* filter = new edit_shortcut_filter({EDIT_ALLSEL, EDIT_COPY, EDIT_PASTE}, this);
  for (QWidget* control : {static_cast<QWidget*>(TB_COMMENT), static_cast<QWidget*>(CB_DIRECTORY),
                           static_cast<QWidget*>(CB_DIRECTORY->lineEdit())})
    control->installEventFilter(filter);
}

void Form1::fill_schedule_choices(date today) {
  CB_DIRECTORY->addItems(schedule_choices(today));
  CB_DIRECTORY->setCurrentIndex(-1);
  CB_DIRECTORY->setEditText(QString());
}

// Placed when first shown, once the menu bar and the controls have their
// final sizes, and before the window reaches the screen.
void Form1::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    centre_on_screen();
  }
  QMainWindow::showEvent(event);
}

void Form1::centre_on_screen() {
  adjustSize();
  const QScreen* where = screen();
  if (!where) return;
  move(centred_top_left(frameGeometry().size(), where->geometry()));
}

QWidget* Form1::active_text_control() const {
  QWidget* focused = focusWidget();
  if (focused == TB_COMMENT) return TB_COMMENT;
  if (focused == CB_DIRECTORY || focused == CB_DIRECTORY->lineEdit())
    return CB_DIRECTORY->lineEdit();
  return nullptr;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress &&
      (watched == CB_DIRECTORY || watched == CB_DIRECTORY->lineEdit()))
    return CB_DIRECTORY_KeyDown(*static_cast<QKeyEvent*>(event));
  return QMainWindow::eventFilter(watched, event);
}

void Form1::MB_OK_Click() {
  const capsule_message message{capsule_root_, CB_DIRECTORY->currentText(), whole_text(TB_COMMENT)};
  const store_result result = store_message(message, QDateTime::currentDateTime(), report_);
  // After a failure the window stays, with the message and the schedule text
  // as they were, so that nothing the user typed is lost.
  if (result.outcome != store_outcome::failed) close();
}

void Form1::MB_CANCEL_Click() { close(); }

// Enter stores the message as OK does; with no message yet it sends the user
// back to the message field. Modifiers do not matter.
bool Form1::CB_DIRECTORY_KeyDown(const QKeyEvent& key) {
  if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
  if (whole_text(TB_COMMENT).isEmpty()) {
    TB_COMMENT->setFocus();
  } else {
    MB_OK_Click();
  }
  return true;
}

void Form1::EDIT_ALLSEL_Click() { select_all_text(active_text_control()); }

void Form1::EDIT_COPY_Click() { copy_text(active_text_control(), QApplication::clipboard()); }

void Form1::EDIT_PASTE_Click() { paste_text(active_text_control(), QApplication::clipboard()); }

}  // namespace mj::writer
