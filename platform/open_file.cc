#include "platform/open_file.h"

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <filesystem>
#else
#include <QProcess>
#include <QString>
#include <QStringList>
#endif

namespace mj::platform {

#ifdef _WIN32

namespace {

std::wstring wide_from_utf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end())).wstring();
}

}  // namespace

void open_with_desktop(const std::string& path, const std::string& working_folder) {
  const std::wstring file = wide_from_utf8(path);
  const std::wstring folder = wide_from_utf8(working_folder);
  ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
}

#else

void open_with_desktop(const std::string& path, const std::string& working_folder) {
#ifdef __APPLE__
  const QString opener = QStringLiteral("open");
#else
  // Not QDesktopServices: on a desktop without a display connection it
  // silently opens nothing.
  const QString opener = QStringLiteral("xdg-open");
#endif
  QProcess::startDetached(opener, {QString::fromStdString(path)},
                          QString::fromStdString(working_folder));
}

#endif

}  // namespace mj::platform
