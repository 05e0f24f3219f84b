#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

#include "app/termination.h"

namespace selenar {

namespace {

int signalSockets[2] = {-1, -1};

// Only async-signal-safe work here: one byte into the socket.
void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
}

}  // namespace

void QuitOnTerminationRequest(QCoreApplication& application) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0) return;
  auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, &application);
  QObject::connect(notifier, &QSocketNotifier::activated, &application, [notifier] {
    char byte = 0;
    [[maybe_unused]] const auto read = ::read(signalSockets[1], &byte, 1);
    notifier->setEnabled(false);
    QCoreApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace selenar
