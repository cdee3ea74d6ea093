// SPDX-License-Identifier: MIT
// m_jarin: the writer. Its command line is the location of the capsule root
// (empty for the default), resolved by the same rule as the opener's; the
// words are joined by single spaces, so a location with spaces needs no
// quotes. --help and --version answer as GNU tools do, and "--" ends the
// options, so that a location may begin with "-".
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "platform/bus_thread.h"
#include "platform/capsule_root.h"
#include "platform/command_line_help.h"
#include "platform/display_servers.h"
#include "platform/user_language.h"
#include "writer/capsule_store.h"
#include "writer/writer_window.h"

#ifdef MORROWJAR_STARTUP_PROBE
#include "platform/exit_when_shown.h"
#endif

namespace {

QStringList arguments_of(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

// The options and the location, described in the language of the
// translation in use (English without one).
QString description() {
  return QCoreApplication::translate("m_jarin",
                                     "Morrowjar's writer: type a message and a schedule name; OK "
                                     "stores the\nmessage in the schedule folder of that name "
                                     "under the capsule root, to\nopen on the days the name says.");
}

QString location_description() {
  return QCoreApplication::translate("m_jarin",
                                     "The capsule root (default ~/Morrowjar); its words are joined "
                                     "by single spaces. Put \"--\" before a location that begins "
                                     "with \"-\".");
}

void set_up(QCommandLineParser& parser) {
  parser.addPositionalArgument(QStringLiteral("location"), location_description(),
                               QStringLiteral("[--] [LOCATION...]"));
  parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
  parser.addOption(QCommandLineOption(QStringLiteral("version")));
}

// Answers --help, --version and mistakes on the command line; the exit
// status then, or nothing when the window is to open.
std::optional<int> answer_without_window(QCommandLineParser& parser, int argc, char** argv) {
  const bool understood = parser.parse(arguments_of(argc, argv));
  if (understood && !parser.isSet(QStringLiteral("help")) &&
      !parser.isSet(QStringLiteral("version")))
    return std::nullopt;
  // Help needs the program's name and version, and no display.
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("m_jarin"));
  QCoreApplication::setApplicationVersion(QStringLiteral(MORROWJAR_VERSION));
  mj::platform::use_user_language();
  if (!understood) {
    std::fprintf(stderr, "m_jarin: %s\n%s\n", qUtf8Printable(parser.errorText()),
                 qUtf8Printable(QCoreApplication::translate(
                     "m_jarin", "Try 'm_jarin --help' for more information.")));
    return 2;
  }
  if (parser.isSet(QStringLiteral("help"))) {
    // Described now that the translation is in place, wrapped at 80 display
    // columns in every language.
    mj::platform::command_line_help help;
    help.program = QStringLiteral("m_jarin");
    help.description = description();
    help.version = true;
    help.arguments = {
        {QStringLiteral("[--] [LOCATION...]"), QStringLiteral("LOCATION"), location_description()}};
    std::fputs(qUtf8Printable(mj::platform::help_text(help)), stdout);
  } else {
    std::printf("m_jarin %s\n", MORROWJAR_VERSION);
  }
  return 0;
}

// Read as PNG straight away: left to guess, Qt would load every image
// plugin to ask it about the file, a good part of the start-up time.
QIcon program_icon() {
  QImageReader reader(QStringLiteral(":/m_jarin/m_jarin.png"), "png");
  reader.setAutoDetectImageFormat(false);
  return QIcon(QPixmap::fromImage(reader.read()));
}

}  // namespace

int main(int argc, char** argv) {
  QCommandLineParser parser;
  set_up(parser);
  if (const std::optional<int> status = answer_without_window(parser, argc, argv)) return *status;
  const QString location = parser.positionalArguments().join(u' ');

  // The writer is its window: without a display to show it on, a window
  // nobody sees would wait for ever. A platform chosen through
  // QT_QPA_PLATFORM is taken as it is.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !mj::platform::has_display()) {
    QCoreApplication language(argc, argv);
    mj::platform::use_user_language();
    std::fprintf(stderr, "m_jarin: %s\n",
                 qUtf8Printable(QCoreApplication::translate(
                     "m_jarin",
                     "no usable display: the writer needs a display to show its window "
                     "(DISPLAY or WAYLAND_DISPLAY naming a server that answers)")));
    return 1;
  }
  // Steers Qt past a named server that does not answer to one that does.
  mj::platform::use_offscreen_without_display();
  mj::platform::hide_silent_session_bus();
  // Qt sees no arguments: every word of the command line belongs to the location.
  int qt_argc = 1;
  QApplication app(qt_argc, argv);
  QApplication::setApplicationName(QStringLiteral("m_jarin"));
  // Wayland desktops match the window to its menu entry by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.morrowjar.Morrowjar"));
  mj::platform::use_user_language();
  QApplication::setWindowIcon(program_icon());
  const mj::platform::capsule_location root =
      mj::platform::resolve_capsule_root(location.toStdString());
  mj::writer::writer_window window(QString::fromStdString(root.full_path()));
#ifdef MORROWJAR_STARTUP_PROBE
  // Only the benchmark build can end at the first paint (bench/startup.sh).
  mj::platform::exit_when_shown_if_asked(&window);
#endif
  window.show();
  // Staged files that a killed writer left behind, once the window is up.
  QTimer::singleShot(0, &window, [&root] {
    mj::writer::remove_stale_staging(QString::fromStdString(root.full_path()));
  });
  return app.exec();
}
