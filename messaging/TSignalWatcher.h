// SPDX-License-Identifier: MIT
#pragma once
// Brings signals into the event loop: the handler only notes the signal and writes a byte, the
// loop does the work (OnSignal, with the signal's number). A second signal of a kind that is being
// handled takes the system's default action, so that a program stuck on its way out can still be
// ended. One watcher at a time.
//
// Work that blocks outside the event loop (reading a pipe) waits on Descriptor() as well and asks
// Caught() whether a signal came. Until the loop has taken the byte, every send of the process's
// endpoints gives up its wait at once, so that replies to a peer that does not answer cannot keep
// the loop from it.

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class QSocketNotifier;

class TSignalWatcher {
public:
    TSignalWatcher(std::initializer_list<int> Signals, std::function<void(int Signal)> OnSignal);
    // The signals take the system's default actions again.
    ~TSignalWatcher();
    TSignalWatcher(const TSignalWatcher&) = delete;
    TSignalWatcher& operator=(const TSignalWatcher&) = delete;

    // The last signal caught, 0 before the first.
    static int Caught();
    // Readable from a caught signal on until the event loop has handled it; -1 before any watcher.
    static int Descriptor();

private:
    std::vector<int> FSignals;
    std::function<void(int)> FOnSignal;
    std::unique_ptr<QSocketNotifier> FNotifier;
};
