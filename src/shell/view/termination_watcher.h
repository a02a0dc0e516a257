#pragma once

#include <QObject>

class QSocketNotifier;

namespace pellamar {

// Turns the desktop's and the system's requests to end the program (SIGTERM
// at log-out or shutdown, SIGHUP when its terminal goes, SIGINT from Ctrl+C)
// into the signal terminationRequested(), delivered by the event loop, so
// that the program quits by its one ordinary path. One watcher at a time;
// the default handlers come back when it is destroyed.
class TerminationWatcher final : public QObject {
  Q_OBJECT
 public:
  explicit TerminationWatcher(QObject* parent = nullptr);
  ~TerminationWatcher() override;
  TerminationWatcher(const TerminationWatcher&) = delete;
  TerminationWatcher& operator=(const TerminationWatcher&) = delete;

  // False when the handlers could not be installed (then nothing is caught).
  bool IsWatching() const { return notifier_ != nullptr; }

 signals:
  void terminationRequested(int signal_number);

 private:
  void ReadSignal();

  int fds_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace pellamar
