// SPDX-License-Identifier: MIT
#include "opener/desktop_modes.h"

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <iostream>

#include "opener/tool_options.h"
#include "opener/upcoming_ics.h"
#include "opener/watch.h"
#include "platform/bus_thread.h"
#include "platform/display_servers.h"
#include "platform/local_date.h"
#include "platform/termination.h"
#include "platform/user_language.h"

namespace mj::opener {

int run_watch_mode(int argc, char** argv, const QStringList& arguments) {
  platform::use_offscreen_without_display();
  platform::hide_silent_session_bus();
  QApplication app(argc, argv);
  QApplication::setApplicationName("m_jar");
  QApplication::setQuitOnLastWindowClosed(false);
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.morrowjar.Morrowjar.Opener"));
  platform::use_user_language();
  platform::quit_on_termination_request(0);
  const tool_options options = tool_options_parser().parse(arguments, platform::local_date_today());
  int status = 0;
  {
    day_watcher watcher(options.command_line, !options.quiet);
    watcher.start();
    status = QApplication::exec();
  }
  // A bus that went silent while Qt connected to it holds Qt's D-Bus
  // thread, which Qt would wait for as the program ends: end without it.
  if (!platform::buses_settled()) {
    std::cout.flush();
    std::cerr.flush();
    std::_Exit(status);
  }
  return status;
}

int print_upcoming_calendar(const upcoming_report& report) {
  std::cout << upcoming_ics(
      report, std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
  return 0;
}

}  // namespace mj::opener
