// SPDX-License-Identifier: MIT
#include "TSignalWatcher.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>

#include "TMessageEndpoint.h"

namespace {

// [0] is written by the handler, [1] read by the event loop
int Pipe[2] = {-1, -1};
volatile std::sig_atomic_t LastSignal = 0;

void OnSignal(int Signal) {
    const int savedErrno = errno;
    LastSignal = Signal;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(Pipe[0], &byte, 1);
    errno = savedErrno;
}

}  // namespace

TSignalWatcher::TSignalWatcher(std::initializer_list<int> Signals, std::function<void(int)> OnSignalCallback)
    : FSignals(Signals), FOnSignal(std::move(OnSignalCallback)) {
    if (Pipe[0] < 0) ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, Pipe);
    TMessageEndpoint::SetWaitInterrupt(Pipe[1]);
    FNotifier = std::make_unique<QSocketNotifier>(Pipe[1], QSocketNotifier::Read);
    QObject::connect(FNotifier.get(), &QSocketNotifier::activated, [this] {
        char bytes[16];
        while (::read(Pipe[1], bytes, sizeof bytes) > 0) {
        }
        if (FOnSignal) FOnSignal(LastSignal);
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signal : FSignals) ::sigaction(signal, &action, nullptr);
}

TSignalWatcher::~TSignalWatcher() {
    TMessageEndpoint::SetWaitInterrupt(-1);
    for (int signal : FSignals) ::signal(signal, SIG_DFL);
}

int TSignalWatcher::Caught() {
    return LastSignal;
}

int TSignalWatcher::Descriptor() {
    return Pipe[1];
}
