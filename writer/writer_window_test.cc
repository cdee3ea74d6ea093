// SPDX-License-Identifier: MIT
// The writer's window as the user meets it: typing, the Edit menu's keys,
// Enter in the schedule box, OK, Cancel, and what a failure leaves behind.
#include "writer/writer_window.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <memory>
#include <optional>

#include "writer/writer_test_support.h"

namespace mj::writer {
namespace {

using namespace Qt::StringLiterals;

const date kToday{std::chrono::year{2026} / std::chrono::December / std::chrono::day{15}};
const wall_time kNow = wall_time{kToday} + std::chrono::hours{12};

// Stands in for the questions the window asks (storing under a name that
// never opens, storing without a schedule, throwing a message away): records
// each question and gives `answer`.
struct asker {
  QStringList asked;
  bool answer = true;
  bool operator()(const QString& question, const QString&, const QString&) {
    asked << question;
    return answer;
  }
};

// One writer window on a fresh capsule root, as m_jarin shows it.
struct open_window {
  testing::capsule_folder folder;
  testing::recorder shown;
  asker questions;
  testing::recorder stored;
  std::optional<date> served;  // the opener's record: the last day served
  std::unique_ptr<writer_window> form;

  QString root() const { return folder.path(u"Morrowjar/"_s); }
  QPlainTextEdit* message() const { return form->findChild<QPlainTextEdit*>(u"message_edit"_s); }
  QComboBox* schedule() const { return form->findChild<QComboBox*>(u"schedule_box"_s); }
  QPushButton* button(const char* name) const {
    return form->findChild<QPushButton*>(QString::fromLatin1(name));
  }
  QAction* action(const char* name) const {
    return form->findChild<QAction*>(QString::fromLatin1(name));
  }
  QLabel* reading_line() const { return form->findChild<QLabel*>(u"schedule_reading"_s); }
  // The whole reading under the schedule box, as its tooltip has it.
  QString reading() const { return reading_line()->toolTip(); }

  bool show() {
    form = std::make_unique<writer_window>(
        root(), writer_services{std::ref(shown), std::ref(questions), [] { return kNow; },
                                [this](const QString&) { return served; }, std::ref(stored)});
    form->show();
    return QTest::qWaitForWindowActive(form.get());
  }
};

// The control that receives the keys typed into `name`'s text.
QWidget* typing_target(const open_window& w, const QString& name) {
  if (name == u"message_edit") return w.message();
  return w.schedule();
}

void set_text(const open_window& w, const QString& name, const QString& text) {
  if (name == u"message_edit") {
    w.message()->setPlainText(text);
  } else {
    w.schedule()->setEditText(text);
  }
}

QString text_of(const open_window& w, const QString& name) {
  if (name == u"message_edit") return w.message()->toPlainText();
  return w.schedule()->currentText();
}

QString selection_of(const open_window& w, const QString& name) {
  if (name == u"message_edit") return w.message()->textCursor().selectedText();
  return w.schedule()->lineEdit()->selectedText();
}

void select(const open_window& w, const QString& name, int from, int to) {
  if (name == u"message_edit") {
    QTextCursor cursor(w.message()->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    w.message()->setTextCursor(cursor);
  } else {
    w.schedule()->lineEdit()->setSelection(from, to - from);
  }
}

}  // namespace

class WriterWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void lays_out_the_window();
  void offers_the_schedule_choices();
  void tab_visits_the_controls_in_order();
  void ok_stores_the_message_and_closes();
  void enter_in_the_schedule_box_data();
  void enter_in_the_schedule_box();
  void enter_and_escape_in_the_message_field();
  void edit_keys_act_through_the_menu_data();
  void edit_keys_act_through_the_menu();
  void copy_gives_plain_line_breaks();
  void edit_commands_ignore_the_buttons();
  void cancel_stores_nothing();
  void a_failure_keeps_the_window_and_the_text();
  void mended_faults_through_the_window_data();
  void mended_faults_through_the_window();
  void typed_schedule_is_the_folder_data();
  void typed_schedule_is_the_folder();
  void never_opening_name_asks_first();
  void refused_schedule_keeps_the_text_data();
  void refused_schedule_keeps_the_text();
  void reading_follows_the_typing();
  void todays_date_after_todays_run_asks();
  void a_weekday_after_todays_run_reads_the_next_one();
  void every_run_templates_warn();
  void an_empty_schedule_asks_once();
  void discarding_typed_text_asks_data();
  void discarding_typed_text_asks();
  void an_empty_window_closes_at_once();
  void enter_on_a_focused_button_presses_it();
  void a_blank_message_is_not_stored_data();
  void a_blank_message_is_not_stored();
  void long_readings_wrap_and_the_window_grows();
  void an_unusable_capsule_root_is_reported_before_typing();
  void the_home_folder_shows_as_a_tilde();
};

void WriterWindowTest::lays_out_the_window() {
  open_window w;
  QVERIFY(w.show());
  QCOMPARE(w.form->windowTitle(), u"Morrowjar Text Input — "_s + path_for_people(w.root()));
  QVERIFY(!w.form->inherits("QDialog"));
  QCOMPARE(w.form->centralWidget()->size(), QSize(419, 236));
  QCOMPARE(w.form->minimumSize(), w.form->maximumSize());

  struct placed {
    const char* name;
    QRect geometry;
  };
  const placed kPlaces[] = {
      {"message_edit", {16, 32, 385, 89}},      {"message_label", {16, 16, 137, 17}},
      {"schedule_box", {16, 152, 385, 20}},     {"schedule_label", {16, 128, 121, 17}},
      {"ok_button", {176, 192, 105, 33}},       {"cancel_button", {296, 192, 105, 33}},
      {"schedule_reading", {16, 174, 385, 17}},
  };
  for (const placed& p : kPlaces) {
    QWidget* control = w.form->findChild<QWidget*>(QString::fromLatin1(p.name));
    QVERIFY2(control, p.name);
    QCOMPARE(control->geometry(), p.geometry);
  }
  QCOMPARE(w.form->findChild<QLabel*>(u"message_label"_s)->text(), u"Message"_s);
  QCOMPARE(w.form->findChild<QLabel*>(u"schedule_label"_s)->text(), u"When"_s);
  QCOMPARE(w.button("ok_button")->text(), u"OK"_s);
  QCOMPARE(w.button("cancel_button")->text(), u"Cancel"_s);
  for (const char* name : {"ok_button", "cancel_button"}) {
    QVERIFY(!w.button(name)->isDefault());
    QVERIFY(!w.button(name)->autoDefault());
  }

  const QList<QMenu*> menus = w.form->menuBar()->findChildren<QMenu*>();
  QCOMPARE(menus.size(), 1);
  QCOMPARE(menus[0]->title(), u"&Edit"_s);
  const QList<QAction*> items = menus[0]->actions();
  QCOMPARE(items.size(), 3);
  QCOMPARE(items[0]->text(), u"Select &All"_s);
  QCOMPARE(items[0]->shortcut(), QKeySequence(u"Ctrl+A"_s));
  QCOMPARE(items[1]->text(), u"&Copy"_s);
  QCOMPARE(items[1]->shortcut(), QKeySequence(u"Ctrl+C"_s));
  QCOMPARE(items[2]->text(), u"&Paste"_s);
  QCOMPARE(items[2]->shortcut(), QKeySequence(u"Ctrl+V"_s));

  QCOMPARE(w.message()->inputMethodHints(), Qt::ImhNone);
  QVERIFY(w.schedule()->lineEdit()->inputMethodHints().testFlag(Qt::ImhLatinOnly));

  // Centred on the screen; the frame, known only once shown, may shift it a little.
  const QPoint off_centre =
      w.form->frameGeometry().center() - w.form->screen()->geometry().center();
  QVERIFY2(off_centre.manhattanLength() <= 8,
           qPrintable(u"%1,%2"_s.arg(off_centre.x()).arg(off_centre.y())));
  // 800 x 600 pixels, a window of 6405 x 4260 twips: top 2370, left 2797.5 twips.
  QCOMPARE(centred_top_left(QSize(427, 284), QRect(0, 0, 800, 600)), QPoint(186, 158));
}

void WriterWindowTest::offers_the_schedule_choices() {
  open_window w;
  QVERIFY(w.show());
  QComboBox* box = w.schedule();
  QCOMPARE(box->count(), 28);
  QCOMPARE(box->itemText(0), u"26-12-"_s);
  QCOMPARE(box->itemText(19), u"TOMORROW"_s);
  QCOMPARE(box->itemText(20), u"TOMORROW+"_s);
  QCOMPARE(box->itemText(27), u"EVERY YEAR+"_s);
  QCOMPARE(box->currentIndex(), -1);
  QCOMPARE(box->currentText(), QString());
  QCOMPARE(w.message()->toPlainText(), QString());
  QCOMPARE(QApplication::focusWidget(), w.message());
}

void WriterWindowTest::tab_visits_the_controls_in_order() {
  open_window w;
  QVERIFY(w.show());
  QTest::keyClick(w.message(), Qt::Key_Tab);
  QVERIFY(QApplication::focusWidget() == w.schedule() ||
          QApplication::focusWidget() == w.schedule()->lineEdit());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), w.button("ok_button"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), w.button("cancel_button"));
  QVERIFY(w.message()->toPlainText().isEmpty());
}

void WriterWindowTest::ok_stores_the_message_and_closes() {
  open_window w;
  QVERIFY(w.show());
  QTest::keyClicks(w.message(), u"Meet at 10:30, OK?"_s);
  w.schedule()->setFocus();
  QTest::keyClicks(w.schedule(), u"TOMORROW"_s);
  QTest::mouseClick(w.button("ok_button"), Qt::LeftButton);
  QVERIFY(!w.form->isVisible());
  QCOMPARE(testing::read_all(w.root() + u"TOMORROW/Meet at 1030 OK.txt"_s),
           QByteArray("Meet at 10:30, OK?\n"));
  QVERIFY(w.shown.shown.isEmpty());
  QVERIFY(w.questions.asked.isEmpty());  // stored, so nothing was thrown away
  // Where it went, for the user (m_jarin prints it).
  QCOMPARE(w.stored.shown, QStringList{w.root() + u"TOMORROW/Meet at 1030 OK.txt"_s});
}

void WriterWindowTest::enter_in_the_schedule_box_data() {
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<bool>("stored");
  QTest::newRow("empty message: back to the message field")
      << QString() << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
  QTest::newRow("only spaces and line breaks: back to the message field")
      << u" \n  "_s << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
  QTest::newRow("keypad Enter") << u"note"_s << int(Qt::Key_Enter) << int(Qt::KeypadModifier)
                                << true;
  QTest::newRow("Shift+Enter acts like Enter")
      << u"note"_s << int(Qt::Key_Return) << int(Qt::ShiftModifier) << true;
}

void WriterWindowTest::enter_in_the_schedule_box() {
  QFETCH(QString, message);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(bool, stored);
  open_window w;
  QVERIFY(w.show());
  w.message()->setPlainText(message);
  w.schedule()->setFocus();
  QTest::keyClicks(w.schedule(), u"EVERYDAY"_s);
  QTest::keyClick(w.schedule(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QCOMPARE(w.form->isVisible(), !stored);
  QCOMPARE(testing::files_in(w.root() + u"EVERYDAY"_s).size(), stored ? 1 : 0);
  if (!stored) {
    QCOMPARE(QApplication::focusWidget(), w.message());
    QCOMPARE(w.schedule()->currentText(), u"EVERYDAY"_s);
    QCOMPARE(w.schedule()->count(), 28);
  }
}

void WriterWindowTest::enter_and_escape_in_the_message_field() {
  open_window w;
  QVERIFY(w.show());
  QTest::keyClicks(w.message(), u"one"_s);
  QTest::keyClick(w.message(), Qt::Key_Return);
  QTest::keyClicks(w.message(), u"two"_s);
  // Escape asks before the text goes; the default keeps editing.
  w.questions.answer = false;
  QTest::keyClick(w.message(), Qt::Key_Escape);
  QCOMPARE(w.questions.asked.size(), 1);
  QVERIFY(w.form->isVisible());
  QCOMPARE(w.message()->toPlainText(), u"one\ntwo"_s);
  QVERIFY(!QFileInfo::exists(w.root()));
}

void WriterWindowTest::edit_keys_act_through_the_menu_data() {
  QTest::addColumn<QString>("control");
  QTest::newRow("message field") << u"message_edit"_s;
  QTest::newRow("schedule box") << u"schedule_box"_s;
}

// The controls' own editing keys would copy nothing without a selection and
// paste nothing from an empty clipboard; the window's commands do otherwise.
void WriterWindowTest::edit_keys_act_through_the_menu() {
  QFETCH(QString, control);
  open_window w;
  QVERIFY(w.show());
  QWidget* target = typing_target(w, control);
  target->setFocus();
  set_text(w, control, u"hello world"_s);
  QClipboard* clipboard = QApplication::clipboard();

  clipboard->setText(u"old"_s);
  select(w, control, 4, 4);
  QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(clipboard->text(), u"hello world"_s);

  select(w, control, 0, 5);
  QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(clipboard->text(), u"hello"_s);

  select(w, control, 3, 3);
  QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
  QCOMPARE(selection_of(w, control), u"hello world"_s);

  clipboard->clear();
  select(w, control, 0, 6);
  QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(text_of(w, control), u"world"_s);

  clipboard->setText(u"big "_s);
  select(w, control, 0, 0);
  QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(text_of(w, control), u"big world"_s);
  QVERIFY(w.form->isVisible());
}

void WriterWindowTest::copy_gives_plain_line_breaks() {
  open_window w;
  QVERIFY(w.show());
  w.message()->setFocus();
  QTest::keyClicks(w.message(), u"line one"_s);
  QTest::keyClick(w.message(), Qt::Key_Return);
  QTest::keyClicks(w.message(), u"line two"_s);
  QTest::keyClick(w.message(), Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), u"line one\nline two"_s);
  select(w, u"message_edit"_s, 5, 13);
  QTest::keyClick(w.message(), Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), u"one\nline"_s);
}

void WriterWindowTest::edit_commands_ignore_the_buttons() {
  open_window w;
  QVERIFY(w.show());
  w.message()->setPlainText(u"Message"_s);
  w.schedule()->setEditText(u"TOMORROW"_s);
  w.button("ok_button")->setFocus();
  QApplication::clipboard()->setText(u"clip"_s);
  for (const char* name : {"select_all_action", "copy_action", "paste_action"})
    w.action(name)->trigger();
  QCOMPARE(QApplication::clipboard()->text(), u"clip"_s);
  QCOMPARE(w.message()->toPlainText(), u"Message"_s);
  QCOMPARE(w.schedule()->currentText(), u"TOMORROW"_s);
  QVERIFY(w.message()->textCursor().selectedText().isEmpty());
}

void WriterWindowTest::cancel_stores_nothing() {
  open_window w;
  QVERIFY(w.show());
  QTest::keyClicks(w.message(), u"typed but cancelled"_s);
  QTest::mouseClick(w.button("cancel_button"), Qt::LeftButton);
  QCOMPARE(w.questions.asked, QStringList{u"Throw away the message you typed?"_s});
  QVERIFY(!w.form->isVisible());
  QVERIFY(!QFileInfo::exists(w.root()));
  QVERIFY(w.shown.shown.isEmpty());
}

void WriterWindowTest::a_failure_keeps_the_window_and_the_text() {
  open_window w;
  QDir().mkpath(w.root());
  std::ofstream((w.root() + u"TOMORROW"_s).toStdString()) << "a file, not a folder";
  QVERIFY(w.show());
  QTest::keyClicks(w.message(), u"do not lose me"_s);
  w.schedule()->setFocus();
  QTest::keyClicks(w.schedule(), u"TOMORROW"_s);
  QTest::mouseClick(w.button("ok_button"), Qt::LeftButton);

  QVERIFY(w.form->isVisible());
  QCOMPARE(w.message()->toPlainText(), u"do not lose me"_s);
  QCOMPARE(w.schedule()->currentText(), u"TOMORROW"_s);
  // One failure, one box, saying what is wrong and where.
  QCOMPARE(w.shown.shown.size(), 1);
  QCOMPARE(w.shown.shown[0], w.root() +
                                 u"TOMORROW is a file, not a folder, so the message "
                                 u"cannot be stored there."_s);

  // The user changes the schedule and tries again.
  w.schedule()->setEditText(u"EVERYDAY"_s);
  QTest::mouseClick(w.button("ok_button"), Qt::LeftButton);
  QVERIFY(!w.form->isVisible());
  QCOMPARE(testing::read_all(w.root() + u"EVERYDAY/do not lose me.txt"_s),
           QByteArray("do not lose me\n"));
}

void WriterWindowTest::mended_faults_through_the_window_data() {
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("existing");
  QTest::addColumn<QString>("file_pattern");
  QTest::newRow("a taken name gets a number")
      << u"note"_s << u"note.txt"_s << u"^note \\(2\\)\\.txt$"_s;
  QTest::newRow("no usable character: the moment of storing")
      << u"...?"_s << QString() << u"^\\d{4}-\\d\\d-\\d\\d \\d{6}\\.txt$"_s;
  QTest::newRow("longer than 32,767 characters")
      << u"z"_s.repeated(33000) << QString() << u"^z{100}\\.txt$"_s;
  QTest::newRow("long Japanese name fits")
      << u"た"_s.repeated(150) << QString() << u"^た{83}\\.txt$"_s;
  QTest::newRow("control characters left out") << u"a\tb\x1b"_s << QString() << u"^ab\\.txt$"_s;
}

void WriterWindowTest::mended_faults_through_the_window() {
  QFETCH(QString, message);
  QFETCH(QString, existing);
  QFETCH(QString, file_pattern);
  open_window w;
  if (!existing.isEmpty()) {
    QDir().mkpath(w.root() + u"WEEK"_s);
    std::ofstream((w.root() + u"WEEK/"_s + existing).toStdString()) << "earlier\n";
  }
  QVERIFY(w.show());
  w.message()->setPlainText(message);
  w.schedule()->setEditText(u"WEEK"_s);
  QTest::mouseClick(w.button("ok_button"), Qt::LeftButton);
  QVERIFY(!w.form->isVisible());
  QVERIFY(w.shown.shown.isEmpty());

  QStringList files = testing::files_in(w.root() + u"WEEK"_s);
  if (!existing.isEmpty()) {
    QVERIFY(files.removeOne(existing));
    QCOMPARE(testing::read_all(w.root() + u"WEEK/"_s + existing), QByteArray("earlier\n"));
  }
  QCOMPARE(files.size(), 1);
  QVERIFY2(QRegularExpression(file_pattern).match(files[0]).hasMatch(), qPrintable(files[0]));
  QCOMPARE(testing::read_all(w.root() + u"WEEK/"_s + files[0]), (message + u'\n').toUtf8());
}

// Typed with real key events into the editable box: what is typed is the
// folder, exactly, whether or not it is the start of a proposed name.
void WriterWindowTest::typed_schedule_is_the_folder_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("opens");
  QTest::newRow("E, the month's end, not EVERYDAY") << u"E"_s << true;
  QTest::newRow("2, the 2nd of each month, not the date template") << u"2"_s << true;
  QTest::newRow("T, not TUESDAY or TOMORROW") << u"T"_s << false;
  QTest::newRow("mon, not MONTH") << u"mon"_s << false;
  QTest::newRow("tomorrow in lower case") << u"tomorrow"_s << true;
}

void WriterWindowTest::typed_schedule_is_the_folder() {
  QFETCH(QString, typed);
  QFETCH(bool, opens);
  open_window w;
  QVERIFY(w.show());
  QTest::keyClicks(w.message(), u"note"_s);
  QTest::keyClick(w.message(), Qt::Key_Tab);
  QTest::keyClicks(QApplication::focusWidget(), typed);
  QCOMPARE(w.schedule()->currentText(), typed);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

  QVERIFY(!w.form->isVisible());
  // A name that never opens is stored only after the question, answered yes here.
  QCOMPARE(w.questions.asked.size(), opens ? 0 : 1);
  QCOMPARE(testing::read_all(w.root() + typed + u"/note.txt"_s), QByteArray("note\n"));
  QCOMPARE(QDir(w.root()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{typed});
  QVERIFY(w.shown.shown.isEmpty());
}

namespace {

// After OK met a question answered "no": the window stays open with the
// focus back in the schedule box, and nothing is stored. Enter there, with
// "yes" this time, stores `file` (below the capsule root) holding `content`.
void no_then_yes(open_window& w, const QString& file, const QByteArray& content) {
  QVERIFY(w.form->isVisible());
  QVERIFY(QApplication::focusWidget() == w.schedule() ||
          QApplication::focusWidget() == w.schedule()->lineEdit());
  QVERIFY(!QFileInfo::exists(w.root()));

  w.questions.answer = true;
  QTest::keyClick(w.schedule()->lineEdit(), Qt::Key_Return);
  QCOMPARE(w.questions.asked.size(), 2);
  QVERIFY(!w.form->isVisible());
  QCOMPARE(testing::read_all(w.root() + file), content);
}

}  // namespace

void WriterWindowTest::never_opening_name_asks_first() {
  open_window w;
  QVERIFY(w.show());
  w.message()->setPlainText(u"kept"_s);
  w.schedule()->setEditText(u"FOO"_s);
  w.questions.answer = false;
  QTest::mouseClick(w.button("ok_button"), Qt::LeftButton);
  QCOMPARE(w.questions.asked.size(), 1);
  QVERIFY2(w.questions.asked[0].contains(u"would never open"_s), qPrintable(w.questions.asked[0]));
  QVERIFY(w.questions.asked[0].contains(u"\"FOO\" anyway?"_s));
  QCOMPARE(w.message()->toPlainText(), u"kept"_s);
  QCOMPARE(w.schedule()->currentText(), u"FOO"_s);
  no_then_yes(w, u"FOO/kept.txt"_s, "kept\n");
}

void WriterWindowTest::refused_schedule_keeps_the_text_data() {
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("refusal");
  QTest::newRow("the folder above") << u".."_s << u"cannot hold \"..\""_s;
  QTest::newRow("below the folder above") << u"../x"_s << u"cannot hold \"..\""_s;
  QTest::newRow("an absolute path") << u"/abs"_s << u"cannot be a full path"_s;
  QTest::newRow("a trailing line feed") << u"TOMORROW\n"_s << u"cannot hold a line feed"_s;
  QTest::newRow("a leading tab") << u"\tTOMORROW"_s << u"cannot hold a tab"_s;
  QTest::newRow("an escape") << u"TOMORROW\x1b"_s << u"cannot hold an escape character"_s;
}

// Pasted through the Edit menu's Ctrl+V, as a name copied from elsewhere
// would arrive; the reading warns at once, and OK refuses in one box.
void WriterWindowTest::refused_schedule_keeps_the_text() {
  QFETCH(QString, pasted);
  QFETCH(QString, refusal);
  open_window w;
  QVERIFY(w.show());
  w.message()->setPlainText(u"keep me"_s);
  w.schedule()->setFocus();
  QApplication::clipboard()->setText(pasted);
  QTest::keyClick(w.schedule()->lineEdit(), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(w.schedule()->currentText(), pasted);
  QVERIFY2(w.reading().contains(refusal), qPrintable(w.reading()));

  QTest::mouseClick(w.button("ok_button"), Qt::LeftButton);
  QVERIFY(w.form->isVisible());
  QCOMPARE(w.shown.shown.size(), 1);
  QVERIFY2(w.shown.shown[0].contains(refusal), qPrintable(w.shown.shown[0]));
  QVERIFY(w.questions.asked.isEmpty());
  QCOMPARE(w.message()->toPlainText(), u"keep me"_s);
  QCOMPARE(w.schedule()->currentText(), pasted);
  QVERIFY(!QFileInfo::exists(w.root()));
  QVERIFY(!QFileInfo::exists(w.folder.path(u"x"_s)));
}

void WriterWindowTest::reading_follows_the_typing() {
  open_window w;
  QVERIFY(w.show());
  QCOMPARE(w.reading(), u"No schedule: opens at every run, from today on"_s);
  w.schedule()->setFocus();
  struct step {
    const char* typed;
    const char* reading;
  };
  // Stored on Tuesday 15 December 2026.
  const step kSteps[] = {
      {"T", "Not a schedule name: this message would never open"},
      {"OMORROW",
       "Opens tomorrow, Wed 16 Dec 2026, if the computer is used that day — TOMORROW+ also opens "
       "at the next run after"},
      {"+", "Opens tomorrow, Wed 16 Dec 2026, or at the next run after it"},
  };
  for (const step& s : kSteps) {
    QTest::keyClicks(w.schedule()->lineEdit(), QString::fromUtf8(s.typed));
    QCOMPARE(w.reading(), QString::fromUtf8(s.reading));
  }
  w.schedule()->setCurrentIndex(0);  // the proposed date template, picked unchanged
  QCOMPARE(w.reading(), u"Incomplete date: add a day, such as 26-12-16"_s);
  w.schedule()->lineEdit()->clear();
  QCOMPARE(w.reading(), u"No schedule: opens at every run, from today on"_s);
}

// Typed with keys: the day of storing, after that day's run of the opener
// (the record says it is served), has no run ahead; OK asks.
void WriterWindowTest::todays_date_after_todays_run_asks() {
  open_window w;
  w.served = kToday;
  QVERIFY(w.show());
  QTest::keyClicks(w.message(), u"too late"_s);
  QTest::keyClick(w.message(), Qt::Key_Tab);
  QTest::keyClicks(QApplication::focusWidget(), u"2026-12-15"_s);
  QVERIFY2(w.reading().startsWith(u"Never opens: today's run of the opener is over"_s),
           qPrintable(w.reading()));
  w.questions.answer = false;
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCOMPARE(w.questions.asked.size(), 1);
  QVERIFY(w.questions.asked[0].contains(u"\"2026-12-15\" anyway?"_s));
  QVERIFY(w.form->isVisible());
  QVERIFY(!QFileInfo::exists(w.root()));

  // Before the run, the same day opens today, without a question.
  open_window before;
  QVERIFY(before.show());
  before.schedule()->setFocus();
  QTest::keyClicks(before.schedule()->lineEdit(), u"2026-12-15"_s);
  QVERIFY2(before.reading().startsWith(u"Opens today, Tue 15 Dec 2026"_s),
           qPrintable(before.reading()));
}

void WriterWindowTest::a_weekday_after_todays_run_reads_the_next_one() {
  open_window w;
  w.served = kToday;  // Tuesday 15 December 2026, served
  QVERIFY(w.show());
  w.schedule()->setFocus();
  QTest::keyClicks(w.schedule()->lineEdit(), u"TUESDAY"_s);
  QVERIFY2(w.reading().startsWith(u"Opens every Tuesday — next: Tue 22 Dec 2026"_s),
           qPrintable(w.reading()));
  QVERIFY(w.reading().contains(u"TUESDAY+ also opens at the next run after"_s));
}

void WriterWindowTest::every_run_templates_warn() {
  open_window w;
  QVERIFY(w.show());
  w.schedule()->setFocus();
  const auto colour = [&] { return w.reading_line()->palette().color(QPalette::WindowText); };
  QTest::keyClicks(w.schedule()->lineEdit(), u"TOMORROW"_s);
  const QColor normal = colour();
  w.schedule()->lineEdit()->clear();
  QTest::keyClicks(w.schedule()->lineEdit(), u"FOO"_s);
  const QColor refusal = colour();
  w.schedule()->lineEdit()->clear();
  QTest::keyClicks(w.schedule()->lineEdit(), u"YEAR"_s);
  QVERIFY2(w.reading().contains(u"did you mean YEAR1"_s), qPrintable(w.reading()));
  const QColor warning = colour();
  QVERIFY(warning != normal);
  QVERIFY(warning != refusal);
  QVERIFY(refusal != normal);
  QTest::keyClicks(w.schedule()->lineEdit(), u"1"_s);
  QVERIFY(!w.reading().contains(u"did you mean"_s));
  QCOMPARE(colour(), normal);
  // The warning does not stop storing: it opens, only not as probably meant.
  w.schedule()->setEditText(u"WEEK"_s);
  w.message()->setPlainText(u"weekly"_s);
  QTest::mouseClick(w.button("ok_button"), Qt::LeftButton);
  QVERIFY(w.questions.asked.isEmpty());
  QCOMPARE(testing::read_all(w.root() + u"WEEK/weekly.txt"_s), QByteArray("weekly\n"));
}

void WriterWindowTest::an_empty_schedule_asks_once() {
  open_window w;
  QVERIFY(w.show());
  QTest::keyClicks(w.message(), u"loose"_s);
  w.questions.answer = false;
  QTest::mouseClick(w.button("ok_button"), Qt::LeftButton);
  QCOMPARE(w.questions.asked.size(), 1);
  QVERIFY2(w.questions.asked[0].contains(u"No schedule is chosen"_s),
           qPrintable(w.questions.asked[0]));
  QVERIFY(!w.questions.asked[0].contains(u"capsule root"_s));
  no_then_yes(w, u"loose.txt"_s, "loose\n");
}

void WriterWindowTest::discarding_typed_text_asks_data() {
  QTest::addColumn<QString>("how");
  QTest::newRow("Escape in the message field") << u"escape in message"_s;
  QTest::newRow("Escape in the schedule box") << u"escape in schedule"_s;
  QTest::newRow("Cancel") << u"cancel"_s;
  QTest::newRow("Enter on the focused Cancel button") << u"enter on cancel"_s;
  QTest::newRow("closing the window") << u"close"_s;
}

void WriterWindowTest::discarding_typed_text_asks() {
  QFETCH(QString, how);
  open_window w;
  QVERIFY(w.show());
  QTest::keyClicks(w.message(), u"hours of typing"_s);
  const auto act = [&] {
    if (how == u"escape in message") {
      w.message()->setFocus();
      QTest::keyClick(w.message(), Qt::Key_Escape);
    } else if (how == u"escape in schedule") {
      w.schedule()->setFocus();
      QTest::keyClick(w.schedule()->lineEdit(), Qt::Key_Escape);
    } else if (how == u"cancel") {
      QTest::mouseClick(w.button("cancel_button"), Qt::LeftButton);
    } else if (how == u"enter on cancel") {
      w.button("cancel_button")->setFocus();
      QTest::keyClick(w.button("cancel_button"), Qt::Key_Return);
    } else {
      w.form->close();
    }
  };
  w.questions.answer = false;
  act();
  QCOMPARE(w.questions.asked, QStringList{u"Throw away the message you typed?"_s});
  QVERIFY(w.form->isVisible());
  QCOMPARE(w.message()->toPlainText(), u"hours of typing"_s);
  QCOMPARE(QApplication::focusWidget(), w.message());

  w.questions.answer = true;
  act();
  QCOMPARE(w.questions.asked.size(), 2);
  QVERIFY(!w.form->isVisible());
  QVERIFY(!QFileInfo::exists(w.root()));
}

void WriterWindowTest::an_empty_window_closes_at_once() {
  for (const QString& blank : {QString(), u"  \n "_s}) {
    open_window w;
    QVERIFY(w.show());
    w.message()->setPlainText(blank);
    w.schedule()->setEditText(u"TOMORROW"_s);  // a schedule alone is nothing to lose
    QTest::keyClick(w.message(), Qt::Key_Escape);
    QVERIFY(w.questions.asked.isEmpty());
    QVERIFY(!w.form->isVisible());
  }
}

void WriterWindowTest::enter_on_a_focused_button_presses_it() {
  open_window w;
  QVERIFY(w.show());
  QTest::keyClicks(w.message(), u"by keys"_s);
  QTest::keyClick(w.message(), Qt::Key_Tab);
  QTest::keyClicks(QApplication::focusWidget(), u"EVERYDAY"_s);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), w.button("ok_button"));
  QTest::keyClick(w.button("ok_button"), Qt::Key_Enter, Qt::KeypadModifier);
  QVERIFY(!w.form->isVisible());
  QCOMPARE(testing::read_all(w.root() + u"EVERYDAY/by keys.txt"_s), QByteArray("by keys\n"));
}

void WriterWindowTest::a_blank_message_is_not_stored_data() {
  QTest::addColumn<QString>("message");
  QTest::newRow("empty") << QString();
  QTest::newRow("spaces") << u"   "_s;
  QTest::newRow("spaces and line feeds") << u" \n\n  \n"_s;
}

void WriterWindowTest::a_blank_message_is_not_stored() {
  QFETCH(QString, message);
  open_window w;
  QVERIFY(w.show());
  w.message()->setPlainText(message);
  w.schedule()->setEditText(u"TOMORROW"_s);
  QTest::mouseClick(w.button("ok_button"), Qt::LeftButton);
  QVERIFY(w.form->isVisible());
  QCOMPARE(w.shown.shown.size(), 1);
  QVERIFY2(w.shown.shown[0].startsWith(u"There is nothing to store"_s),
           qPrintable(w.shown.shown[0]));
  QCOMPARE(QApplication::focusWidget(), w.message());
  QVERIFY(!QFileInfo::exists(w.root()));
  QVERIFY(w.stored.shown.isEmpty());
}

void WriterWindowTest::long_readings_wrap_and_the_window_grows() {
  open_window w;
  QVERIFY(w.show());
  const QSize start = w.form->size();
  const int line = w.reading_line()->height();
  w.schedule()->setFocus();
  for (const char* name : {"SUNDAY@2=3+-", "EVERY MONTH", "../x", "1 jan 2027"}) {
    w.schedule()->lineEdit()->clear();
    QTest::keyClicks(w.schedule()->lineEdit(), QString::fromLatin1(name));
    QLabel* reading = w.reading_line();
    QVERIFY2(reading->wordWrap(), name);
    // The whole reading is on the window, none of it cut.
    QCOMPARE(reading->text(), w.reading());
    QVERIFY2(reading->height() >= reading->heightForWidth(reading->width()), name);
    QVERIFY2(reading->height() > line, name);
    QVERIFY(w.button("ok_button")->geometry().top() >= reading->geometry().bottom());
    QTRY_VERIFY2(w.form->height() > start.height(), name);
    QCOMPARE(w.form->width(), start.width());
  }
  w.schedule()->lineEdit()->clear();
  QTest::keyClicks(w.schedule()->lineEdit(), u"YEAR1"_s);
  QCOMPARE(w.reading_line()->height(), line);
  QTRY_COMPARE(w.form->size(), start);
}

void WriterWindowTest::an_unusable_capsule_root_is_reported_before_typing() {
  open_window w;
  std::ofstream(w.root().chopped(1).toStdString()) << "a file, not a folder";
  QVERIFY(w.show());
  QTRY_COMPARE(w.shown.shown.size(), 1);
  QVERIFY2(w.shown.shown[0].contains(u"is a file, not a folder"_s), qPrintable(w.shown.shown[0]));
  QVERIFY(w.form->isVisible());

  open_window fine;
  QVERIFY(fine.show());
  // The check is queued when the window first shows; a call queued after it
  // runs after it, so once that call has run the check has had its turn. A
  // root to be made is fine.
  bool queued_after_check = false;
  QTimer::singleShot(0, fine.form.get(), [&queued_after_check] { queued_after_check = true; });
  QTRY_VERIFY_WITH_TIMEOUT(queued_after_check, 5000);
  QVERIFY(fine.shown.shown.isEmpty());
  QVERIFY(!QFileInfo::exists(fine.root()));
}

void WriterWindowTest::the_home_folder_shows_as_a_tilde() {
  const QString home = QDir::homePath();
  QCOMPARE(path_for_people(home + u"/Morrowjar/"_s), QDir::toNativeSeparators(u"~/Morrowjar"_s));
  QCOMPARE(path_for_people(home), u"~"_s);
  QCOMPARE(path_for_people(home + u"x/caps/"_s), QDir::toNativeSeparators(home + u"x/caps"_s));
  QCOMPARE(path_for_people(u"/srv/caps/"_s), QDir::toNativeSeparators(u"/srv/caps"_s));
}

}  // namespace mj::writer

QTEST_MAIN(mj::writer::WriterWindowTest)
#include "writer_window_test.moc"
