// SPDX-License-Identifier: MIT
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
#include <filesystem>
#include <memory>

#include "platform/desktop_opener.h"
#include "platform/hand_over.h"

namespace mj::platform {

namespace {

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

// The names are handed over as the bytes the folder listing gave (see
// open_with_desktop in open_file_posix.cc).
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
