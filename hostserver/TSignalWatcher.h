#pragma once
// Brings SIGTERM and SIGINT into the event loop: the handler only writes a byte, the loop does the
// work.

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
