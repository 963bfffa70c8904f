// SPDX-License-Identifier: MIT
#pragma once
// The sending side of the message endpoints: connections to other endpoints, kept open between
// sends, and the writing of one frame and reading of its acknowledgement. Used by TEndpointHub only.
//
// A connection whose last frame was acknowledged goes back to TOutgoingPool, one per target, and
// the next send to that target writes on it instead of connecting anew. The receiver lets such a
// connection go when it has been idle for TEndpointHub::IncomingIdleLimitMs, when its endpoint is
// destroyed or its process ends; the pool stops using a connection well before the receiver's idle
// limit, and a send whose kept connection turns out to be closed tries once more on a new one.

#include <QByteArray>
#include <QString>

#include <vector>

namespace EndpointOutgoing {

// A steady clock in milliseconds, for idle times.
qint64 NowMs();

// True when the process at the other end of the connected socket runs as this process's user.
bool SameUser(int Fd);

// A non-blocking connection to the listening socket at Path, its peer checked to be of this user;
// -1 when there is none (no such socket, nobody listening, a full backlog, another user).
int Connect(const QString& Path);

}  // namespace EndpointOutgoing

// One frame on its way out on a connection, and the acknowledgement it waits for.
class TOutgoingFrame {
public:
    enum class TStep {
        Going,
        Acknowledged,
        // the receiver closed the connection before any answer: on a kept connection it had let
        // go before the frame arrived
        Closed,
        Failed,
    };

    TOutgoingFrame(int Fd, QByteArray Header, QByteArray Data)
        : FFd(Fd), FHeader(std::move(Header)), FData(std::move(Data)) {}

    int Fd() const { return FFd; }
    bool Writing() const { return FWritten < FHeader.size() + FData.size(); }
    // Writes as much of the frame as the connection takes now.
    TStep Write();
    // Works on what poll() reported for the connection.
    TStep Service(short Revents);

private:
    int FFd;
    QByteArray FHeader;
    QByteArray FData;
    qsizetype FWritten = 0;
    char FAck[8] = {};
    qsizetype FAckSize = 0;
};

// Connections whose last frame was acknowledged, ready for the next send to the same endpoint.
class TOutgoingPool {
public:
    // A connection is reused only while it has been idle for less than this: half the receiver's
    // idle limit, so that the receiver never lets go of one that is about to be written to.
    static constexpr qint64 ReuseLimitMs = 5000;
    static constexpr std::size_t MaxKept = 16;

    TOutgoingPool() = default;
    ~TOutgoingPool() { Clear(); }
    TOutgoingPool(const TOutgoingPool&) = delete;
    TOutgoingPool& operator=(const TOutgoingPool&) = delete;

    // Hands out the kept connection to endpoint To of folder Dir (the pool forgets it), or -1.
    int Take(const QString& Dir, quint32 To);
    // Keeps Fd for the next send to To; at most one per target, at most MaxKept in all.
    void Give(const QString& Dir, quint32 To, int Fd);
    void Clear();
    std::size_t Size() const { return FKept.size(); }

private:
    struct TKept {
        QString Dir;
        quint32 To;
        int Fd;
        qint64 LastUse;
    };
    void DropExpired(qint64 Now);

    std::vector<TKept> FKept;
};
