// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/visible_text.h"
#include "base/wording.h"
#include "platform/desktop_opener.h"

namespace mj::platform {

failure not_handed_over(const std::string& path, int error_number) {
  const std::string reason =
      error_number == ENOENT
          ? fill(localized("mj::platform::open_file", "%1 not found"), {kDesktopOpener})
          : fill(localized("mj::platform::open_file", "%1 could not be started: %2"),
                 {kDesktopOpener, std::strerror(error_number)});
  return make_failure(failure_code::path_access, printable_path(path) + " (" + reason + ")");
}

void send_error(int report, int error_number) {
  while (write(report, &error_number, sizeof error_number) < 0 && errno == EINTR) {
  }
}

// Why the desktop's opener ended with `status`, in the words of xdg-open's
// exit codes.
std::string ending_reason(int status) {
  if (WIFSIGNALED(status))
    return fill(localized("mj::platform::open_file", "%1 was stopped by signal %2"),
                {kDesktopOpener, std::to_string(WTERMSIG(status))});
  switch (WEXITSTATUS(status)) {
    case 1:
      return fill(localized("mj::platform::open_file", "%1 did not understand its command line"),
                  {kDesktopOpener});
    case 2:
      return fill(localized("mj::platform::open_file", "%1 found no such file"), {kDesktopOpener});
    case 3:
      return fill(localized("mj::platform::open_file",
                            "%1 found no program for this kind of file, or no desktop to open "
                            "it on"),
                  {kDesktopOpener});
    case 4:
      return fill(
          localized("mj::platform::open_file", "the program %1 chose for this kind of file failed"),
          {kDesktopOpener});
    default:
      return fill(localized("mj::platform::open_file", "%1 ended with status %2"),
                  {kDesktopOpener, std::to_string(WEXITSTATUS(status))});
  }
}

// Starts the desktop's opener as a child of this process, in a session of
// its own. Whether it started shows on a pipe that closes by itself when
// exec() succeeds (close-on-exec) and carries errno when it fails.
result<pid_t> start_opener(const std::string& path, const std::string& working_folder) {
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return not_handed_over(path, errno);
  char* const argv[] = {const_cast<char*>(kDesktopOpener), const_cast<char*>(path.c_str()),
                        nullptr};
  const pid_t child = fork();
  if (child == 0) {
    close(report[0]);
    setsid();
    if (!working_folder.empty() && chdir(working_folder.c_str()) != 0) {
      // A working folder gone since the scan: the file still opens, from here.
    }
    execvp(kDesktopOpener, argv);
    send_error(report[1], errno);
    _exit(127);
  }
  const int fork_error = errno;
  close(report[1]);
  if (child < 0) {
    close(report[0]);
    return not_handed_over(path, fork_error);
  }
  int start_error = 0;
  ssize_t got;
  while ((got = read(report[0], &start_error, sizeof start_error)) < 0 && errno == EINTR) {
  }
  close(report[0]);
  if (got == static_cast<ssize_t>(sizeof start_error)) {
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    return not_handed_over(path, start_error);
  }
  return child;
}

}  // namespace mj::platform
