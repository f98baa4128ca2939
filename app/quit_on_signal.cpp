#include "app/quit_on_signal.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace quantora {

namespace {

int gSignalPipe[2] = {-1, -1};

// Only what is safe in a signal handler: one byte into the pipe, and the
// default action for the next signal of that kind.
void OnTerminationSignal(int number) {
  const char byte = 1;
  (void)!write(gSignalPipe[1], &byte, 1);
  std::signal(number, SIG_DFL);
}

}  // namespace

void QuitOnTerminationSignals() {
  if (gSignalPipe[0] >= 0 || pipe2(gSignalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
    char byte = 0;
    while (read(gSignalPipe[0], &byte, 1) > 0) {
    }
    QCoreApplication::quit();  // ends nested loops (a modal dialog) too
  });
  for (const int number : {SIGTERM, SIGINT, SIGHUP}) std::signal(number, OnTerminationSignal);
}

}  // namespace quantora
