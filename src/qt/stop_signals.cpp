#include "qt/stop_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QWidget>
#include <array>

namespace orvell {

namespace {

constexpr std::array kStopSignals = {SIGTERM, SIGINT, SIGHUP};
int wakeFds[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 1;
    // Only async-signal-safe calls here; a full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t written = ::write(wakeFds[0], &byte, 1);
}

}  // namespace

StopSignals::StopSignals(QWidget& window) : window_(window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeFds) != 0) return;
    notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char drained[16];
        while (::read(wakeFds[1], drained, sizeof drained) > 0) {
        }
        // Closing runs the window's closing steps once, as the title-bar button does.
        window_.close();
    });
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kStopSignals) ::sigaction(signal, &action, nullptr);
}

StopSignals::~StopSignals() {
    for (int signal : kStopSignals) ::signal(signal, SIG_DFL);
    delete notifier_;
    notifier_ = nullptr;
    for (int& fd : wakeFds) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

}  // namespace orvell
