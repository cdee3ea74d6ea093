#include "platform/open_file.h"

#ifdef _WIN32
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <filesystem>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace mj::platform {

#ifdef _WIN32

namespace {

std::wstring wide_from_utf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end())).wstring();
}

}  // namespace

std::optional<failure> open_with_desktop(const std::string& path,
                                         const std::string& working_folder) {
  const std::wstring file = wide_from_utf8(path);
  const std::wstring folder = wide_from_utf8(working_folder);
  ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
  return std::nullopt;
}

#else

// The names are handed over as the bytes the folder listing gave: a name that
// is not valid UTF-8 (a folder copied from another system, say) would not
// survive a trip through QString, and neither would the working folder, which
// would make every opening of the run fail.
std::optional<failure> open_with_desktop(const std::string& path,
                                         const std::string& working_folder) {
#ifdef __APPLE__
  const char* opener = "open";
#else
  // Not QDesktopServices: on a desktop without a display connection it
  // silently opens nothing.
  const char* opener = "xdg-open";
#endif
  char* const argv[] = {const_cast<char*>(opener), const_cast<char*>(path.c_str()), nullptr};
  // Started from a child that ends at once, so the opener is adopted by init
  // and never waited for; only calls that are safe after fork() follow it.
  const pid_t child = fork();
  if (child == 0) {
    if (fork() == 0) {
      setsid();
      if (!working_folder.empty() && chdir(working_folder.c_str()) != 0) {
        // A working folder gone since the scan: the file still opens, from here.
      }
      execvp(opener, argv);
      _exit(127);
    }
    _exit(0);
  }
  if (child > 0) waitpid(child, nullptr, 0);
  return std::nullopt;
}

#endif

}  // namespace mj::platform
