// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/syscall.h>
#endif

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include "base/visible_text.h"
#include "base/wording.h"
#include "platform/hand_over.h"
#include "platform/open_file.h"

namespace mj::platform {

namespace {

#ifdef __APPLE__
constexpr char kDesktopOpener[] = "open";
#else
// Not QDesktopServices: on a desktop without a display connection it
// silently opens nothing.
constexpr char kDesktopOpener[] = "xdg-open";
#endif

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

// One started opener until its end: the first of its exit and the end of the
// patience decides the hand-over; the process is reaped when it ends, even
// long after. Lives under the application object and deletes itself.
class hand_over_watch : public QObject {
 public:
  hand_over_watch(pid_t pid, std::string path, QObject* context, hand_over_done done,
                  std::chrono::milliseconds patience)
      : QObject(QCoreApplication::instance()),
        pid_(pid),
        path_(std::move(path)),
        context_(context),
        done_(std::move(done)) {
    // A timer of its own, stopped with the watch: an opener that ended
    // early leaves no timer behind to wake the program later.
    patience_.setSingleShot(true);
    connect(&patience_, &QTimer::timeout, this, [this] { decide(nullptr); });
    patience_.start(patience);
#ifdef __linux__
    const int fd = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
    if (fd >= 0) {
      pidfd_ = fd;
      notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
      connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { reap(); });
      return;
    }
#endif
    // No process descriptor: look again now and then.
    poll_.setInterval(100);
    connect(&poll_, &QTimer::timeout, this, [this] { reap(); });
    poll_.start();
  }
  ~hand_over_watch() override {
    if (pidfd_ >= 0) close(pidfd_);
  }

 private:
  void reap() {
    int status = 0;
    pid_t got;
    while ((got = waitpid(pid_, &status, WNOHANG)) < 0 && errno == EINTR) {
    }
    if (got == 0) return;  // still running
    notifier_.reset();
    poll_.stop();
    std::error_code error;
    if (got < 0 || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) {
      decide(nullptr);
    } else if (!std::filesystem::exists(path_, error) && !error) {
      // Removed since the scan: nothing left to open, and nothing lost.
      const failure gone = make_failure(failure_code::not_found, path_);
      decide(&gone);
    } else {
      const failure refused =
          make_failure(failure_code::path_access, path_ + " (" + ending_reason(status) + ")");
      decide(&refused);
    }
    ended_ = true;
    if (decided_) deleteLater();
  }

  // `outcome` null: the desktop took the file.
  void decide(const failure* outcome) {
    patience_.stop();
    if (!decided_) {
      decided_ = true;
      if (context_) done_(outcome ? result<void>(*outcome) : result<void>());
    }
    if (ended_) deleteLater();
  }

  pid_t pid_;
  std::string path_;
  QPointer<QObject> context_;
  hand_over_done done_;
  int pidfd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
  QTimer poll_;
  QTimer patience_;
  bool decided_ = false;
  bool ended_ = false;
};

}  // namespace

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

// The names are handed over as the bytes the folder listing gave (see
// open_with_desktop).
void hand_to_desktop(const std::string& path, const std::string& working_folder,
                     std::chrono::milliseconds patience, QObject* context, hand_over_done done) {
  const result<pid_t> started = start_opener(path, working_folder);
  if (!started.ok()) {
    QTimer::singleShot(0, context, [done = std::move(done), f = started.error()] { done(f); });
    return;
  }
  new hand_over_watch(*started, path, context, std::move(done), patience);
}

}  // namespace mj::platform
