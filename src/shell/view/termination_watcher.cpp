#include "shell/view/termination_watcher.h"

#include <QSocketNotifier>
#include <array>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace pellamar {
#ifdef Q_OS_UNIX
namespace {

constexpr std::array kSignals = {SIGTERM, SIGHUP, SIGINT};

// The write end of the watcher's socket pair. A signal handler can reach
// nothing else: this is the one file-scope variable of the program, set and
// cleared by the watcher alone.
volatile std::sig_atomic_t g_signal_fd = -1;

extern "C" void OnTerminationSignal(int number) {
  const int fd = g_signal_fd;
  if (fd < 0) return;
  const unsigned char byte = static_cast<unsigned char>(number);
  // Only async-signal-safe calls here; a full pipe already carries a request.
  [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
}

}  // namespace

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent) {
  if (g_signal_fd >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds_) != 0) {
    fds_[0] = fds_[1] = -1;
    return;
  }
  g_signal_fd = fds_[1];
  struct sigaction action = {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : kSignals) ::sigaction(number, &action, nullptr);
  notifier_ = new QSocketNotifier(fds_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &TerminationWatcher::ReadSignal);
}

TerminationWatcher::~TerminationWatcher() {
  if (!notifier_) return;
  struct sigaction action = {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (int number : kSignals) ::sigaction(number, &action, nullptr);
  g_signal_fd = -1;
  ::close(fds_[0]);
  ::close(fds_[1]);
}

void TerminationWatcher::ReadSignal() {
  unsigned char byte = 0;
  int last = 0;
  while (::read(fds_[0], &byte, 1) == 1) last = byte;
  if (last != 0) emit terminationRequested(last);
}

#else

TerminationWatcher::TerminationWatcher(QObject* parent) : QObject(parent) {}
TerminationWatcher::~TerminationWatcher() = default;
void TerminationWatcher::ReadSignal() {}

#endif
}  // namespace pellamar
