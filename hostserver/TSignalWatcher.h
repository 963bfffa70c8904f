#pragma once
// Brings SIGTERM and SIGINT into the event loop: the handler only writes a byte, the loop does the
// work. Until the loop has taken the byte, every send of the process's endpoints gives up its
// wait at once, so that replies to a peer that does not answer cannot keep the loop from it.

#include <functional>
#include <memory>

class QSocketNotifier;

class TSignalWatcher {
public:
    explicit TSignalWatcher(std::function<void()> OnSignal);
    ~TSignalWatcher();

private:
    std::function<void()> FOnSignal;
    std::unique_ptr<QSocketNotifier> FNotifier;
};
