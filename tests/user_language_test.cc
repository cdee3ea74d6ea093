// SPDX-License-Identifier: MIT
// Both programs' windows, menus and fixed messages, and the sentences the
// opener makes in plain C++, in the language the locale chooses: English as
// written, Japanese from the embedded translation, English again for a locale
// without one; Qt's own texts follow along, and days are written as the
// locale writes them.
#include "platform/user_language.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "base/failure.h"
#include "opener/explain.h"
#include "opener/run_window.h"
#include "opener/upcoming.h"
#include "opener/watch.h"
#include "writer/capsule_store.h"
#include "writer/schedule_guide.h"
#include "writer/writer_window.h"

using namespace Qt::StringLiterals;

namespace {

struct window_texts {
  QString opener_title, skipped, writer_title, message_label, schedule_label, ok, cancel, edit,
      select_all, copy, paste, dot_dot_refusal, question_end;
};

const window_texts kEnglish{
    u"Morrowjar: opening capsules…"_s,
    u"Skipped this run"_s,
    u"Morrowjar Text Input"_s,
    u"Message"_s,
    u"When"_s,
    u"OK"_s,
    u"Cancel"_s,
    u"&Edit"_s,
    u"Select &All"_s,
    u"&Copy"_s,
    u"&Paste"_s,
    u"A schedule name cannot hold \"..\": it would lead out of the capsule."_s,
    u"Store the message in the folder \"FOO\" anyway?"_s};

const window_texts kJapanese{u"Morrowjar処理中"_s,
                             u"一回休み"_s,
                             u"Morrowjar テキスト入力"_s,
                             u"メッセージ"_s,
                             u"開く日"_s,
                             u"OK"_s,
                             u"キャンセル"_s,
                             u"編集(&E)"_s,
                             u"全選択(&A)"_s,
                             u"コピー(&C)"_s,
                             u"貼り付け(&P)"_s,
                             u"予定名に \"..\" は使えません。カプセルの外を指してしまいます。"_s,
                             u"それでもフォルダー \"FOO\" にメッセージを保存しますか?"_s};

// The texts of a writer window, its Edit menu and its question about a name
// that never opens.
window_texts writer_texts_of(const mj::writer::writer_window& form, const QString& question) {
  window_texts t;
  t.writer_title = form.windowTitle();
  t.message_label = form.findChild<QLabel*>(u"message_label"_s)->text();
  t.schedule_label = form.findChild<QLabel*>(u"schedule_label"_s)->text();
  t.ok = form.findChild<QPushButton*>(u"ok_button"_s)->text();
  t.cancel = form.findChild<QPushButton*>(u"cancel_button"_s)->text();
  const QList<QMenu*> menus = form.menuBar()->findChildren<QMenu*>();
  if (menus.size() == 1) {
    t.edit = menus[0]->title();
    const QList<QAction*> items = menus[0]->actions();
    if (items.size() == 3) {
      t.select_all = items[0]->text();
      t.copy = items[1]->text();
      t.paste = items[2]->text();
    }
  }
  t.question_end = question.section(u'\n', -1);
  return t;
}

// Sentences of the opener made under the locale in use: the day line of
// --explain, the list of --next, the notice of --watch, the reports of the
// run's start and of the scan, and the heading of --upcoming.
QStringList opener_sentences() {
  using namespace std::chrono;
  const mj::date today = *mj::parse_iso_date("2026-12-07");
  QStringList said;
  const auto say = [&said](const std::string& text) { said.append(QString::fromStdString(text)); };
  say(mj::opener::explain_text(
      "TOMORROW", mj::evaluate_folder("TOMORROW", 2, mj::make_run_calendar(today)), today, 2));
  say(mj::opener::next_text(
      "TOMORROW", today, today,
      mj::forecast_openings("TOMORROW", mj::wall_time{today} + hours{12}, 1)));
  say(mj::opener::came_back_summary({{"", 1}, {"TOMORROW", 2}}));
  // Each report in its own entry, in the order made.
  const mj::failure_sink keep = [&said](const mj::failure& f) {
    said.append(QString::fromStdString(f.description));
  };
  mj::opener::run_start_from("2026/13/45", today, keep);
  mj::opener::split_command_line("99999999 /srv/capsule", keep);
  QTemporaryDir root;
  QDir(root.path()).mkdir(u"98-2-30"_s);
  mj::opener::scan_capsule(root.path().toStdString(), 0, mj::make_run_calendar(today), keep);
  mj::opener::upcoming_report ahead;
  ahead.root = "/srv/capsule";
  ahead.days = {{today, {}}, {today + days{1}, {}}};
  say(mj::opener::upcoming_text(ahead));
  return said;
}

}  // namespace

class UserLanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { mj::platform::use_user_language(QLocale::c()); }
  void windows_speak_the_locale_data();
  void windows_speak_the_locale();
  void qt_texts_follow_data();
  void qt_texts_follow();
  void a_later_choice_replaces_the_earlier();
  void readings_speak_the_locale_data();
  void readings_speak_the_locale();
  void opener_sentences_follow_the_locale_data();
  void opener_sentences_follow_the_locale();
};

void UserLanguageTest::windows_speak_the_locale_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("language");
  QTest::addColumn<bool>("japanese");
  QTest::newRow("C") << u"C"_s << QString() << false;
  QTest::newRow("en_US") << u"en_US"_s << QString() << false;
  QTest::newRow("de_DE, no translation") << u"de_DE"_s << QString() << false;
  QTest::newRow("ja_JP") << u"ja_JP"_s << u"ja_JP"_s << true;
  QTest::newRow("ja") << u"ja"_s << u"ja_JP"_s << true;
}

void UserLanguageTest::windows_speak_the_locale() {
  QFETCH(QString, locale);
  QFETCH(QString, language);
  QFETCH(bool, japanese);
  const mj::platform::user_language chosen = mj::platform::use_user_language(QLocale(locale));
  QCOMPARE(chosen.language, language);
  const window_texts& expected = japanese ? kJapanese : kEnglish;

  mj::opener::run_window opener;
  QCOMPARE(opener.windowTitle(), expected.opener_title);
  QCOMPARE(mj::opener::run_window::skipped_text(), expected.skipped);

  QTemporaryDir root;
  QVERIFY(root.isValid());
  QString question;
  mj::writer::writer_window form(
      root.path() + u'/', mj::writer::writer_services{
                              [](const QString&) {},
                              [&question](const QString& asked, const QString&, const QString&) {
                                question = asked;
                                return false;
                              },
                              [] { return mj::writer::local_wall_time_now(); },
                              [](const QString&) { return std::nullopt; }});
  form.findChild<QPlainTextEdit*>(u"message_edit"_s)->setPlainText(u"hello"_s);
  form.findChild<QComboBox*>(u"schedule_box"_s)->setEditText(u"FOO"_s);
  form.findChild<QPushButton*>(u"ok_button"_s)->click();
  QVERIFY2(!question.isEmpty(), "a name that never opens was stored without a question");

  const window_texts got = writer_texts_of(form, question);
  // The title goes on with the capsule root.
  QVERIFY2(got.writer_title.startsWith(expected.writer_title + u" — "_s),
           qPrintable(got.writer_title));
  QCOMPARE(got.message_label, expected.message_label);
  QCOMPARE(got.schedule_label, expected.schedule_label);
  QCOMPARE(got.ok, expected.ok);
  QCOMPARE(got.cancel, expected.cancel);
  QCOMPARE(got.edit, expected.edit);
  QCOMPARE(got.select_all, expected.select_all);
  QCOMPARE(got.copy, expected.copy);
  QCOMPARE(got.paste, expected.paste);
  QCOMPARE(got.question_end, expected.question_end);

  const mj::result<void> refused = mj::writer::refusal_of_schedule(u"a/../b"_s);
  QVERIFY(!refused.ok());
  QCOMPARE(QString::fromStdString(refused.error().description), expected.dot_dot_refusal);
}

// Qt's own translation (qtbase_ja.qm) comes with the program's: the text
// fields' context menu and the dialog buttons match the windows.
void UserLanguageTest::qt_texts_follow_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<bool>("qt_translation");
  QTest::addColumn<QString>("select_all");
  QTest::newRow("en_US") << u"en_US"_s << false << u"Select All"_s;
  QTest::newRow("ja_JP") << u"ja_JP"_s << true << u"すべてを選択"_s;
}

void UserLanguageTest::qt_texts_follow() {
  QFETCH(QString, locale);
  QFETCH(bool, qt_translation);
  QFETCH(QString, select_all);
  QCOMPARE(mj::platform::use_user_language(QLocale(locale)).qt_translation, qt_translation);
  QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "Select All"), select_all);
}

void UserLanguageTest::a_later_choice_replaces_the_earlier() {
  mj::platform::use_user_language(QLocale(u"ja_JP"_s));
  QCOMPARE(mj::opener::run_window::skipped_text(), kJapanese.skipped);
  mj::platform::use_user_language(QLocale(u"en_GB"_s));
  QCOMPARE(mj::opener::run_window::skipped_text(), kEnglish.skipped);
  QCOMPARE(QCoreApplication::translate("QWidgetTextControl", "Select All"), u"Select All"_s);
}

// The writer's reading of a schedule name: its sentences in the language of
// the translation, its days in the locale's own format, even where no
// translation exists.
// The note of a name that opens on single days, in English and in Japanese.
#define SINGLE_DAYS(name) \
  ", if the computer is used that day — " name "+ also opens at the next run after"
#define SINGLE_DAYS_JA(name)                      \
  " (その日にコンピューターを使った場合) — " name \
  "+ なら、その日に使わなくてもその後の次の実行で開きます"

void UserLanguageTest::readings_speak_the_locale_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("reading");
  const struct {
    const char* locale;
    const char* name;
    const char* reading;
  } kCases[] = {
      {"C", "TOMORROW", "Opens tomorrow, Tue 8 Dec 2026" SINGLE_DAYS("TOMORROW")},
      {"en_US", "TOMORROW", "Opens tomorrow, Tue, Dec 8, 2026" SINGLE_DAYS("TOMORROW")},
      {"en_GB", "TOMORROW", "Opens tomorrow, Tue, 8 Dec 2026" SINGLE_DAYS("TOMORROW")},
      {"de_DE", "TOMORROW", "Opens tomorrow, Di., 8. Dez. 2026" SINGLE_DAYS("TOMORROW")},
      {"ja_JP", "TOMORROW", "明日 (2026年12月8日火曜日)に開きます" SINGLE_DAYS_JA("TOMORROW")},
      {"ja_JP", "TOMORROW+",
       "明日 (2026年12月8日火曜日)に開きます (その日に実行がなければ、その後の次の実行で)"},
      {"C", "SUNDAY@2",
       "Opens on the 2nd Sunday of each month — next: Sun 13 Dec 2026" SINGLE_DAYS("SUNDAY@2")},
      {"ja_JP", "SUNDAY@2",
       "毎月第2日曜日に開きます — 次回: 2026年12月13日日曜日" SINGLE_DAYS_JA("SUNDAY@2")},
      {"ja_JP", "EVERY MONTH 3",
       "保存した日から3か月ごとに、くりかえし開きます — 次回: 2027年3月7日日曜日" SINGLE_DAYS_JA(
           "EVERY MONTH 3")},
      {"ja_JP", "YEAR",
       "今日以降、実行のたびに開きます\n数がないので待たずに、実行のたびに開きます。YEAR1 "
       "(各ファイルを保存から1年たったら、その後は実行のたびに) のつもりですか?"},
      {"ja_JP", "", "予定なし: 今日以降、実行のたびに開きます"},
      {"ja_JP", "2-30", "開きません: 毎年2月30日は存在しません"},
      {"ja_JP", "98-2-30", "開きません: 1998年2月30日は存在しません"},
      {"ja_JP", "2026-12-01", "開きません: 2026年12月1日火曜日は過ぎています"},
      {"ja_JP", "FOO", "予定名ではありません: このメッセージは開きません"},
  };
  for (const auto& c : kCases)
    QTest::addRow("%s %s", c.locale, c.name)
        << QString::fromUtf8(c.locale) << QString::fromUtf8(c.name) << QString::fromUtf8(c.reading);
}

void UserLanguageTest::readings_speak_the_locale() {
  QFETCH(QString, locale);
  QFETCH(QString, name);
  QFETCH(QString, reading);
  mj::platform::use_user_language(QLocale(locale));
  // Noon on Monday 7 December 2026.
  const QDateTime now(QDate(2026, 12, 7), QTime(12, 0));
  QCOMPARE(mj::writer::read_schedule(name, mj::writer::wall_time_of(now)).words, reading);
}

void UserLanguageTest::opener_sentences_follow_the_locale_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QStringList>("expected");  // one part of each of opener_sentences()
  const auto english = [](const QString& monday, const QString& tuesday) {
    return QStringList{u"On %1, after 2 missed days: "_s.arg(monday),
                       u"would open on:\n  %1\n"_s.arg(tuesday),
                       u"3 capsules came back: capsule root (1), TOMORROW (2)"_s,
                       u"The date of the last run cannot be read: "_s,
                       u"a start-up delay of 99999999 seconds"_s,
                       u"30 February 1998 does not exist. Rename the folder to a real date."_s,
                       u"Capsule root /srv/capsule, 2 days from %1 to %2, one run each day:\n"
                       "No schedule folder opens files on these days.\n"_s.arg(monday, tuesday)};
  };
  QTest::newRow("C") << u"C"_s << english(u"Mon 7 Dec 2026"_s, u"Tue 8 Dec 2026"_s);
  QTest::newRow("en_US") << u"en_US"_s << english(u"Mon, Dec 7, 2026"_s, u"Tue, Dec 8, 2026"_s);
  QTest::newRow("ja_JP")
      << u"ja_JP"_s
      << QStringList{u"2026年12月7日月曜日 (抜けた日 2 日の後): "_s,
                     u"へ保存したファイルが開く日:\n  2026年12月8日火曜日\n"_s,
                     u"カプセルが 3 件戻ってきました: カプセルルート (1 件), TOMORROW (2 件)"_s,
                     u"前回の実行日が読めません: "_s,
                     u"起動時の待ち時間 99999999 秒"_s,
                     u"。フォルダー名を実在する日付に変えてください。"_s,
                     u"カプセルルート /srv/capsule、2026年12月7日月曜日から2026年12月8日火曜日ま"
                     "での 2 日間、毎日一回の実行:\n"
                     "この期間に予定フォルダーのファイルを開く日はありません。\n"_s};
}

void UserLanguageTest::opener_sentences_follow_the_locale() {
  QFETCH(QString, locale);
  QFETCH(QStringList, expected);
  mj::platform::use_user_language(QLocale(locale));
  const QStringList said = opener_sentences();
  QCOMPARE(said.size(), expected.size());
  for (qsizetype i = 0; i < said.size(); ++i)
    QVERIFY2(said[i].contains(expected[i]),
             qPrintable(u"no \"%1\" in:\n%2"_s.arg(expected[i], said[i])));
}

QTEST_MAIN(UserLanguageTest)
#include "user_language_test.moc"
