// m_jarin: the writer. Its whole command line is the location of the capsule
// root (empty for the default), resolved by the same rule as the opener's.
#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QStringList>

#include "platform/capsule_root.h"
#include "platform/local_date.h"
#include "platform/message_box.h"
#include "writer/writer_window.h"

#ifdef MORROWJAR_STARTUP_PROBE
#include "platform/exit_when_shown.h"
#endif

namespace {

// The arguments joined by single spaces, blanks kept: a location with spaces
// needs no quotes.
QString location_text(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments.join(u' ');
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
  const QString location = location_text(argc, argv);
  mj::platform::use_offscreen_without_display();
  // Qt sees no arguments: every word of the command line belongs to the location.
  int qt_argc = 1;
  QApplication app(qt_argc, argv);
  QApplication::setApplicationName(QStringLiteral("m_jarin"));
  QApplication::setWindowIcon(program_icon());

  const mj::platform::capsule_location root =
      mj::platform::resolve_capsule_root(location.toStdString());
  mj::writer::writer_window window(QString::fromStdString(root.full_path()),
                                   mj::platform::local_date_today());
#ifdef MORROWJAR_STARTUP_PROBE
  // Only the benchmark build can end at the first paint (bench/startup.sh).
  mj::platform::exit_when_shown_if_asked(&window);
#endif
  window.show();
  return app.exec();
}
