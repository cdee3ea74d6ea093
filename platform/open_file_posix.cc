// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/desktop_opener.h"
#include "platform/open_file.h"

namespace mj::platform {

// The names are handed over as the bytes the folder listing gave: a name that
// is not valid UTF-8 (a folder copied from another system, say) would not
// survive a trip through QString, and neither would the working folder, which
// would make every opening of the run fail.
//
// The opener is started from a child that ends at once, so it is adopted by
// init and never waited for; only calls that are safe after fork() follow.
// Whether it started shows on a pipe that closes by itself when exec()
// succeeds (close-on-exec) and carries errno when it fails, so the wait lasts
// until the program starts, not until it ends.
result<void> open_with_desktop(const std::string& path, const std::string& working_folder) {
  int report[2];
  if (pipe(report) != 0) return not_handed_over(path, errno);
  fcntl(report[0], F_SETFD, FD_CLOEXEC);
  fcntl(report[1], F_SETFD, FD_CLOEXEC);
  char* const argv[] = {const_cast<char*>(kDesktopOpener), const_cast<char*>(path.c_str()),
                        nullptr};
  const pid_t child = fork();
  if (child == 0) {
    close(report[0]);
    const pid_t opener = fork();
    if (opener == 0) {
      setsid();
      if (!working_folder.empty() && chdir(working_folder.c_str()) != 0) {
        // A working folder gone since the scan: the file still opens, from here.
      }
      execvp(kDesktopOpener, argv);
      send_error(report[1], errno);
      _exit(127);
    }
    if (opener < 0) send_error(report[1], errno);
    _exit(0);
  }
  const int fork_error = errno;
  close(report[1]);
  if (child < 0) {
    close(report[0]);
    return not_handed_over(path, fork_error);
  }
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  int start_error = 0;
  ssize_t got;
  while ((got = read(report[0], &start_error, sizeof start_error)) < 0 && errno == EINTR) {
  }
  close(report[0]);
  if (got == static_cast<ssize_t>(sizeof start_error)) return not_handed_over(path, start_error);
  return {};
}

}  // namespace mj::platform
