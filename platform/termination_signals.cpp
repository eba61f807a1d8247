// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/termination_signals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int Pipe[2] = {-1, -1};
constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};

void OnSignal(int signalNumber) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(Pipe[0], &byte, 1);
    errno = savedErrno;
}

void SetHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : Handled)
        sigaction(s, &action, nullptr);
}
} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (Pipe[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, Pipe) != 0)
            return;
        for (const int fd : Pipe) {
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
            ::fcntl(fd, F_SETFL, O_NONBLOCK);
        }
    }
    notifier_ = std::make_unique<QSocketNotifier>(Pipe[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &TerminationSignals::ReadPipe);
    SetHandler(OnSignal);
}

TerminationSignals::~TerminationSignals() {
    if (notifier_)
        SetHandler(SIG_DFL);
}

void TerminationSignals::ReadPipe() {
    unsigned char byte = 0;
    while (::read(Pipe[1], &byte, 1) == 1)
        emit Received(byte);
}
#else
TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::ReadPipe() {}
#endif
