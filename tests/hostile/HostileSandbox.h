// SPDX-License-Identifier: MIT
#pragma once
// The world of one hostile-peer test: its own endpoint and configuration folders (for this process
// and every process it starts), the target program under attack, and the means of attack: raw
// connections that bypass the endpoint code, and a probe that asks the target how it fares.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ProcessSandbox.h"
#include "ProcessWaits.h"
#include "TMessageEndpoint.h"

class THostileSandbox : public TProcessSandbox {
public:
    QString Root() const { return Path(QString()); }

    // Starts a program with the sandbox's environment; under AddressSanitizer with a small
    // quarantine, so that its resident memory means what it says.
    QProcess* Start(const QString& Program, const QStringList& Arguments);
    // Starts hostile-target and waits for its handle (0 when it does not come).
    QProcess* StartTarget(quint32* Handle);

    // Open descriptors of a process (from /proc).
    static int OpenDescriptors(qint64 Pid);
};

// A connection to an endpoint made with plain socket calls, as a broken or hostile peer makes it.
// Writes never block: what the endpoint does not take is not sent.
class TRawConnection {
public:
    explicit TRawConnection(quint32 Handle);
    ~TRawConnection();
    TRawConnection(const TRawConnection&) = delete;
    TRawConnection& operator=(const TRawConnection&) = delete;

    bool Connected() const { return FFd >= 0; }
    // Writes as much of Bytes as the connection takes within TimeoutMs; returns how much that was.
    qsizetype Write(const QByteArray& Bytes, int TimeoutMs = 1000);
    // Whether the endpoint has closed the connection; what it sent before is appended to Answer.
    bool ClosedByEndpoint(QByteArray* Answer = nullptr);
    // Waits (with this process's event loop running) until the endpoint closes the connection.
    bool WaitUntilClosed(int TimeoutMs = 5000);

private:
    int FFd = -1;
    bool FClosed = false;
};

// An endpoint of the test that asks the target how it fares: a message of kind 5001, answered
// from inside the target's handler.
class TProbe {
public:
    struct TState {
        qint32 Handled;
        qint32 Parked;
        qint32 Params;
    };

    TProbe();
    // The target's state, or nothing when it does not answer within TimeoutMs.
    std::optional<TState> Ask(quint32 Target, int TimeoutMs = 5000);

private:
    TMessageEndpoint FEndpoint;
    std::optional<TState> FAnswer;
};

// A 24-byte send frame header as a peer may write it, meant for Target.
QByteArray FrameHeader(quint32 Target, quint32 DataSize, qint32 DataId = 5000);
