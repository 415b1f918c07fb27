#include "exit_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int signal_fds[2] = {-1, -1}; // [0] written by the handler, [1] read on the UI thread

extern "C" void on_signal(int number) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] ssize_t n = ::write(signal_fds[0], &byte, 1);
    errno = saved;
}

void set_handlers(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals)
        sigaction(number, &action, nullptr);
}

} // namespace

ExitSignals::ExitSignals(std::function<void(int)> on_signal_fn)
    : on_signal_(std::move(on_signal_fn)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signal_fds) != 0)
        return;
    notifier_ = new QSocketNotifier(signal_fds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { deliver(); });
    set_handlers(on_signal);
}

ExitSignals::~ExitSignals() {
    if (!notifier_) return;
    set_handlers(SIG_DFL);
    delete notifier_;
    ::close(signal_fds[0]);
    ::close(signal_fds[1]);
    signal_fds[0] = signal_fds[1] = -1;
}

void ExitSignals::deliver() {
    unsigned char byte = 0;
    while (::read(signal_fds[1], &byte, 1) == 1)
        if (on_signal_) on_signal_(byte);
}
