// SPDX-License-Identifier: MIT
#pragma once
// Waiting in tests for what other processes do: the event loop runs meanwhile, so that the test's
// own endpoints, timers and process pipes go on working.

#include <QProcess>
#include <QString>

#include <functional>

// Runs the event loop until Done() holds (true) or TimeoutMs have passed (false).
bool WaitUntil(const std::function<bool()>& Done, int TimeoutMs = 10000);

// The next line the process writes, trimmed; empty when none comes in time or the process ended.
QString NextLine(QProcess* Process, int TimeoutMs = 5000);

// The resident memory of a process in KiB, from /proc; -1 when it cannot be read.
qint64 ResidentKiB(qint64 Pid);
