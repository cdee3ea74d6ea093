// SPDX-License-Identifier: MIT
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

#include "platform/termination.h"

namespace mj::platform {

namespace {

// A signal handler may do almost nothing: it writes one byte, and the event
// loop, watching the other end, does the rest.
int signal_pipe[2] = {-1, -1};

extern "C" void on_termination_signal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signal_pipe[1], &byte, 1);
}

}  // namespace

void quit_on_termination_request(int exit_code) {
  if (signal_pipe[0] >= 0) return;
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signal_pipe) != 0) return;
  auto* notifier =
      new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [exit_code](QSocketDescriptor) {
    char byte = 0;
    [[maybe_unused]] const ssize_t got = ::read(signal_pipe[0], &byte, 1);
    QCoreApplication::exit(exit_code);
  });
  struct sigaction action = {};
  action.sa_handler = on_termination_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal_number : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal_number, &action, nullptr);
}

}  // namespace mj::platform
