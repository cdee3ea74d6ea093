#include "platform/open_file.h"

#ifdef _WIN32
#include <shellapi.h>
#include <windows.h>

#include <filesystem>
#else
#include <QProcess>
#include <QString>
#include <QStringList>
#endif

namespace mj::platform {

#ifdef _WIN32

void open_with_desktop(const std::string& path, const std::string& working_folder) {
  const std::wstring file = std::filesystem::u8path(path).wstring();
  const std::wstring folder = std::filesystem::u8path(working_folder).wstring();
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
