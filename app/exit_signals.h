#pragma once
// Termination signals (SIGTERM, SIGINT, SIGHUP) reach the user-interface thread as an ordinary
// event: the handler only writes the signal's number into a socket pair, and a notifier on the
// other end calls back on the user-interface thread, where saving is safe.
#include <QObject>
#include <functional>

class QSocketNotifier;

class ExitSignals : public QObject {
  public:
    explicit ExitSignals(std::function<void(int signal_number)> on_signal);
    // Restores the default handling.
    ~ExitSignals() override;
    bool installed() const { return notifier_ != nullptr; }

  private:
    void deliver();

    std::function<void(int)> on_signal_;
    QSocketNotifier* notifier_ = nullptr;
};
