#include "platform/message_box.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace mj::platform {

namespace {

bool set_and_not_empty(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

}  // namespace

bool has_display() {
#if defined(_WIN32) || defined(__APPLE__)
  return true;
#else
  return set_and_not_empty("DISPLAY") || set_and_not_empty("WAYLAND_DISPLAY");
#endif
}

void use_offscreen_without_display() {
  if (!has_display() && !set_and_not_empty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

void show_message(const QString& text, const QString& title) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    QString line = text;
    line.replace('\n', ' ');
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(line));
    std::fflush(stderr);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
  box.exec();
}

}  // namespace mj::platform
