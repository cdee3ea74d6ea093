// m_jar: the opener. With options starting with "--" it answers questions
// about schedule names; otherwise it makes the opener's run.
#include <QCoreApplication>
#include <QDate>
#include <cstdio>
#include <iostream>

#include "opener/explain.h"
#include "opener/tool_options.h"
#include "rules/folder_evaluation.h"

namespace {

mj::date current_local_date() {
  const QDate d = QDate::currentDate();
  return mj::date{std::chrono::year{d.year()} / d.month() / d.day()};
}

int run_tool(const QStringList& arguments) {
  mj::tool_options_parser parser;
  const mj::tool_options options = parser.parse(arguments, current_local_date());
  switch (options.what) {
    case mj::tool_options::action::help:
      std::cout << parser.help_text().toStdString();
      return 0;
    case mj::tool_options::action::version:
      std::cout << "m_jar " << MORROWJAR_VERSION << "\n";
      return 0;
    case mj::tool_options::action::error:
      std::cerr << "m_jar: " << options.error << "\n";
      return 2;
    case mj::tool_options::action::explain:
      break;
  }
  const mj::folder_evaluation e =
      mj::evaluate_folder(options.name, options.missed_days, mj::make_run_calendar(options.today));
  std::cout << (options.json ? mj::explain_json(options.name, e) + "\n"
                             : mj::explain_text(options.name, e));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("m_jar");
  QCoreApplication::setApplicationVersion(MORROWJAR_VERSION);
  const QStringList arguments = QCoreApplication::arguments();
  if (mj::is_tool_mode(arguments)) return run_tool(arguments);
  std::cerr << "m_jar: the opener's run is not built yet; try m_jar --explain NAME\n";
  return 1;
}
