#include "platform/shell/ExitSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace cssbinder {
namespace {

// The signal handler may only write a byte; the event loop reads it and does the work.
std::array<int, 2> g_signalPipe{-1, -1};

void ForwardSignal(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = write(g_signalPipe[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

void WatchExitSignals(QObject& owner, std::function<void(int)> action) {
    if (g_signalPipe[0] < 0 && socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe.data()) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, &owner);
    QObject::connect(notifier, &QSocketNotifier::activated, &owner, [action = std::move(action)] {
        unsigned char byte = 0;
        if (read(g_signalPipe[1], &byte, 1) == 1) {
            action(byte);
        }
    });
    struct sigaction request {};
    request.sa_handler = &ForwardSignal;
    sigemptyset(&request.sa_mask);
    request.sa_flags = SA_RESTART;
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signalNumber, &request, nullptr);
    }
}

} // namespace cssbinder
