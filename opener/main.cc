// SPDX-License-Identifier: MIT
// m_jar: the opener. With options starting with "--" it answers questions
// (--explain, --next, --dry-run, --upcoming); otherwise it makes the opener's run.
#include <QApplication>
#include <QCoreApplication>
#include <iostream>

#include "opener/desktop_modes.h"
#include "opener/dry_run.h"
#include "opener/explain.h"
#include "opener/next_start.h"
#include "opener/run_window.h"
#include "opener/tool_options.h"
#include "opener/upcoming.h"
#include "platform/bus_thread.h"
#include "platform/display_servers.h"
#include "platform/local_date.h"
#include "platform/settings_store.h"
#include "platform/termination.h"
#include "platform/user_language.h"
#include "rules/due_tests.h"

namespace mj::opener {
namespace {

QStringList arguments_of(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  return arguments;
}

// The classic command line is one text: the arguments joined by single spaces.
std::string command_line_text(const QStringList& arguments) {
  return arguments.mid(1).join(' ').toStdString();
}

int explain(const tool_options& options) {
  const folder_evaluation e =
      explained_evaluation(options.name, options.missed_days, make_run_calendar(options.today));
  std::cout << (options.json ? explain_json(options.name, e) + "\n"
                             : explain_text(options.name, e, options.today, options.missed_days));
  return 0;
}

// Now, or noon of the day given with --today: when a file stored today counts
// as stored.
wall_time moment_of_today(const tool_options& options) {
  return options.today_given ? wall_time{options.today} + std::chrono::hours{12}
                             : platform::local_time_now();
}

int next(const tool_options& options) {
  const next_start start = start_of_next(options);
  const opening_forecast f =
      forecast_for(options.name, moment_of_today(options), options.count, start.counted_from);
  std::cout << (options.json ? next_json(options.name, options.today, start.counted_from, f) + "\n"
                             : next_text(options.name, options.today, start.counted_from, f));
  return 0;
}

int dry_run(const tool_options& options) {
  const dry_run_report report = opener::dry_run(options.prev, options.today, options.location);
  std::cout << (options.json ? dry_run_json(report) + "\n" : dry_run_text(report));
  return 0;
}

int upcoming(const tool_options& options) {
  const upcoming_report report =
      look_ahead(options.location, options.today, options.days, moment_of_today(options));
  if (options.ics) return print_upcoming_calendar(report);
  if (options.json)
    write_upcoming_json(std::cout, report);
  else
    write_upcoming_text(std::cout, report);
  return 0;
}

int run_tool(int argc, char** argv, const QStringList& arguments) {
  // --watch needs the event loop of a program with windows; the others none.
  if (is_watch_mode(arguments)) return run_watch_mode(argc, argv, arguments);
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("m_jar");
  QCoreApplication::setApplicationVersion(MORROWJAR_VERSION);
  // Before any text is made: the answers, and the errors of the options too,
  // are in the user's language.
  platform::use_user_language();
  tool_options_parser parser;
  const tool_options options = parser.parse(arguments, platform::local_date_today());
  // JSON is read by scripts: its texts stay in the programs' own English,
  // whatever the locale, the Qt-worded ones included.
  if (options.json) platform::use_user_language(QLocale::c());
  switch (options.what) {
    case tool_options::action::help:
      std::cout << parser.help_text().toStdString();
      return 0;
    case tool_options::action::version:
      std::cout << "m_jar " << MORROWJAR_VERSION << "\n";
      return 0;
    case tool_options::action::error:
      std::cerr << "m_jar: " << options.error << "\n";
      return 2;
    case tool_options::action::explain:
      return explain(options);
    case tool_options::action::dry_run:
      return dry_run(options);
    case tool_options::action::next:
      return next(options);
    case tool_options::action::upcoming:
      return upcoming(options);
    case tool_options::action::watch:
      break;
  }
  return 2;
}

}  // namespace
}  // namespace mj::opener

int main(int argc, char** argv) {
  // Read before Qt sees them: QApplication takes options such as -style away.
  const QStringList arguments = mj::opener::arguments_of(argc, argv);
  if (mj::opener::is_tool_mode(arguments)) return mj::opener::run_tool(argc, argv, arguments);
  mj::platform::use_offscreen_without_display();
  mj::platform::hide_silent_session_bus();
  QApplication app(argc, argv);
  QApplication::setApplicationName("m_jar");
  // Wayland desktops match the window to its desktop entry by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.morrowjar.Morrowjar.Opener"));
  mj::platform::use_user_language();
  mj::platform::quit_on_termination_request(0);
  mj::opener::run_window window;
  QObject::connect(&window, &mj::opener::run_window::finished, [] { QApplication::exit(0); });
  switch (window.start_run(mj::opener::command_line_text(arguments))) {
    case mj::opener::run_window::start::skipped:
      return 0;
    case mj::opener::run_window::start::busy:
      return 1;
    case mj::opener::run_window::start::running:
      break;
  }
  if (window.has_files()) window.show();
  if (!window.run_ended()) QApplication::exec();
  window.hide();
  // One report for the whole run, once its files are out.
  mj::opener::show_problems(window.run().problems());
  for (const auto& f : window.run().files())
    if (f.state == mj::opener::opener_run::file_state::failed) return 1;
  return 0;
}
