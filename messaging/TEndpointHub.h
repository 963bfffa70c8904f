// SPDX-License-Identifier: MIT
#pragma once
// The process's side of all its message endpoints: it accepts their incoming connections, reads
// the frames, runs the receivers on the GUI thread and acknowledges, and it performs synchronous
// sends. Used by TMessageEndpoint only.
//
// From the Qt event loop, socket notifiers drive the incoming side. While a send waits for its
// acknowledgement, the hub runs its own poll loop over the sending connection and the process's
// endpoint sockets only: incoming sends are handled inside the wait (that is how replies arrive
// inside a request), and nothing else runs, no timer, no paint, no other socket.
//
// Connections stay open between sends, both ways: the sender keeps its connection to a target for
// the next send (EndpointOutgoing.h), and the receiver keeps reading frames on it until the sender
// closes it, the endpoint goes, or it has been idle for IncomingIdleLimitMs.

#include <QByteArray>
#include <QString>

#include <map>
#include <vector>

#include "EndpointFrame.h"
#include "EndpointOutgoing.h"

class QSocketNotifier;
class QTimer;
class TMessageEndpoint;
struct pollfd;

class TEndpointHub {
public:
    static TEndpointHub& Instance();

    void Attach(TMessageEndpoint* Endpoint, quint32 Handle, int ListenFd);
    void Detach(quint32 Handle);

    // Sends one frame from endpoint From to endpoint To in folder Dir and waits for the receiver's
    // acknowledgement. False at once when To is 0, gone or not ours; false after TimeoutMs of
    // waiting (time spent in this process's own handlers meanwhile does not count) when the peer
    // does not answer.
    bool Send(const QString& Dir, quint32 From, quint32 To, qint32 DataId, const QByteArray& Data,
              int TimeoutMs);
    // While Fd is readable every send gives up its wait at once (-1: none); see TMessageEndpoint.
    void SetWaitInterrupt(int Fd) { FInterruptFd = Fd; }

    // Incoming connections idle this long (no byte received, no frame handled) are closed: silent
    // ones, ones whose frame stopped halfway, and kept ones nobody has sent on since.
    static constexpr int IncomingIdleLimitMs = 10000;
    // A frame must be whole this long after its first byte, however steadily its bytes come: a peer
    // that sends one byte now and then does not keep its connection for good.
    static constexpr int IncomingFrameLimitMs = 10000;
    static constexpr std::size_t MaxIncoming = 256;
    // What all incoming connections together may hold of frames not yet complete: peers that send
    // parts of large frames on many connections must not make the process grow without bound.
    // A connection whose next bytes would not fit is closed.
    static constexpr qsizetype MaxBufferedData = 2 * EndpointFrame::MaxDataSize;

private:
    TEndpointHub();

    struct TListener {
        TMessageEndpoint* Endpoint = nullptr;
        int Fd = -1;
        QSocketNotifier* Notifier = nullptr;
    };
    struct TIncoming {
        quint32 Endpoint = 0;
        int Fd = -1;
        QByteArray Received;  // the frame being read
        QByteArray Ahead;     // bytes that came after it, the start of the next frame
        bool Dispatching = false;
        QSocketNotifier* Notifier = nullptr;
        bool Parked = false;  // the notifier is off while the frame's handler runs
        qint64 LastActivity = 0;
        qint64 FrameStart = 0;  // when the first byte of the frame being read came; 0: none yet
    };
    // what one entry of the nested wait's poll set stands for
    struct TPolled {
        bool Listener;
        quint64 Key;
    };

    void ServiceListener(quint32 Handle);
    void ServiceIncoming(quint64 Id);
    enum class TRead { Got, Nothing, Ended };
    // Reads what the connection has of its frame (and, before the header is known, of more).
    TRead Receive(TIncoming& Incoming);
    void SetAside(TIncoming& Incoming);
    // Runs the handler and acknowledges; true when the connection stays open for the next frame.
    bool Dispatch(quint64 Id, const EndpointFrame::THeader& Header);
    void CloseIncoming(quint64 Id);
    struct TWaitBudget;
    // Writes the frame and waits for its acknowledgement, serving this process's endpoints meanwhile.
    TOutgoingFrame::TStep Exchange(TOutgoingFrame& Frame, TWaitBudget& Budget);
    void SweepIdle();
    void StopSweepWhenIdle();
    void AddOwnSockets(std::vector<pollfd>& Fds, std::vector<TPolled>& Polled) const;

    std::map<quint32, TListener> FListeners;
    std::map<quint64, TIncoming> FIncoming;
    TOutgoingPool FPool;
    qsizetype FBuffered = 0;  // the bytes the incoming connections hold
    quint64 FNextId = 1;
    QTimer* FIdleSweep = nullptr;
    int FInterruptFd = -1;
};
