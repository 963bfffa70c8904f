#pragma once
// The process's side of all its message endpoints: it accepts their incoming connections, reads
// the frames, runs the receivers on the GUI thread and acknowledges, and it performs synchronous
// sends. Used by TMessageEndpoint only.
//
// From the Qt event loop, socket notifiers drive the incoming side. While a send waits for its
// acknowledgement, the hub runs its own poll loop over the sending connection and the process's
// endpoint sockets only: incoming sends are handled inside the wait (that is how replies arrive
// inside a request), and nothing else runs, no timer, no paint, no other socket.

#include <QByteArray>
#include <QString>

#include <map>
#include <vector>

#include "EndpointFrame.h"

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

    // Incoming connections whose frame is still incomplete after this long are closed.
    static constexpr int IncomingIdleLimitMs = 10000;
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
        QByteArray Received;
        bool Dispatching = false;
        QSocketNotifier* Notifier = nullptr;
        qint64 LastActivity = 0;
    };
    // what one entry of the nested wait's poll set stands for
    struct TPolled {
        bool Listener;
        quint64 Key;
    };

    void ServiceListener(quint32 Handle);
    void ServiceIncoming(quint64 Id);
    void Dispatch(quint64 Id, const EndpointFrame::THeader& Header);
    void CloseIncoming(quint64 Id);
    void SweepIdle();
    void StopSweepWhenIdle();
    void AddOwnSockets(std::vector<pollfd>& Fds, std::vector<TPolled>& Polled) const;

    std::map<quint32, TListener> FListeners;
    std::map<quint64, TIncoming> FIncoming;
    qsizetype FBuffered = 0;  // the bytes the incoming connections hold
    quint64 FNextId = 1;
    QTimer* FIdleSweep = nullptr;
};
