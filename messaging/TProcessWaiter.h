// SPDX-License-Identifier: MIT
#pragma once
// Waiting for a process, given its id, to end.
//
// A process can be waited for whoever started it (a pidfd). Its exit code, though, belongs to its
// parent: when this process is the parent, Wait() returns the real exit code (or 128 + the signal
// that ended it); when another process started it (the host server starts the programs that the
// link asks for), its status is not ours to read and Wait() returns 0 once it has ended.

#include <QtGlobal>

#include "gravilo_messaging_export.h"

class GRAVILO_MESSAGING_INNER_EXPORT TProcessWaiter {
public:
    explicit TProcessWaiter(qint64 Pid);
    ~TProcessWaiter();
    TProcessWaiter(const TProcessWaiter&) = delete;
    TProcessWaiter& operator=(const TProcessWaiter&) = delete;

    // False when no such process can be opened (errno tells why).
    bool IsOpen() const { return FFd >= 0; }
    // Blocks without time limit until the process has ended; see above for the result.
    int Wait();

private:
    int FFd = -1;
};
