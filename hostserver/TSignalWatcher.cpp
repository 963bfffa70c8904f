#include "TSignalWatcher.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

#include "TMessageEndpoint.h"

namespace {

int Pipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(Pipe[0], &byte, 1);
}

}  // namespace

TSignalWatcher::TSignalWatcher(std::function<void()> OnSignalCallback)
    : FOnSignal(std::move(OnSignalCallback)) {
    ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, Pipe);
    TMessageEndpoint::SetWaitInterrupt(Pipe[1]);
    FNotifier = std::make_unique<QSocketNotifier>(Pipe[1], QSocketNotifier::Read);
    QObject::connect(FNotifier.get(), &QSocketNotifier::activated, [this] {
        char bytes[16];
        while (::read(Pipe[1], bytes, sizeof bytes) > 0) {
        }
        if (FOnSignal) FOnSignal();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

TSignalWatcher::~TSignalWatcher() {
    TMessageEndpoint::SetWaitInterrupt(-1);
    ::signal(SIGTERM, SIG_DFL);
    ::signal(SIGINT, SIG_DFL);
}
