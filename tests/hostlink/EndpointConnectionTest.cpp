// SPDX-License-Identifier: MIT
// Connections between message endpoints outlive a send: what travels on a kept connection, what
// happens when the receiver lets one go, and a peer that dies and comes back.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <atomic>
#include <csignal>
#include <mutex>
#include <set>
#include <thread>

#include "EndpointFrame.h"
#include "EndpointSocket.h"
#include "LinkSandbox.h"
#include "TMessageEndpoint.h"

namespace {

bool ReadExactly(int Fd, char* To, qsizetype Size) {
    while (Size > 0) {
        const ssize_t n = ::recv(Fd, To, size_t(Size), 0);
        if (n <= 0) return false;
        To += n;
        Size -= n;
    }
    return true;
}

// A receiver played by hand on a thread of its own, at the socket of endpoint Handle: it takes
// one connection after the other and acknowledges FramesPerConnection frames on each, then closes
// it without reading further, as a receiver does that lets a connection go.
class TScriptedReceiver {
public:
    TScriptedReceiver(quint32 Handle, int FramesPerConnection) : FFramesPerConnection(FramesPerConnection) {
        FListener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_un address = EndpointAddress(Handle);
        Listening = ::bind(FListener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                    ::listen(FListener, 8) == 0;
        if (Listening) FThread = std::thread([this, Handle] { Serve(Handle); });
    }
    ~TScriptedReceiver() {
        FStop = true;
        if (FThread.joinable()) FThread.join();
        ::close(FListener);
    }

    struct TFrame {
        int Connection;
        quint32 Kind;
        QByteArray Data;
    };
    std::vector<TFrame> Frames() const {
        std::lock_guard<std::mutex> lock(FMutex);
        return FFrames;
    }
    bool Listening = false;

private:
    bool WaitReadable(int Fd) const {
        while (!FStop) {
            pollfd polled{Fd, POLLIN, 0};
            if (::poll(&polled, 1, 50) > 0) return true;
        }
        return false;
    }

    void Serve(quint32 Handle) {
        for (int connection = 0; WaitReadable(FListener); ++connection) {
            const int fd = ::accept(FListener, nullptr, nullptr);
            if (fd < 0) continue;
            for (int n = 0; n < FFramesPerConnection && WaitReadable(fd); ++n) {
                char header[EndpointFrame::HeaderSize];
                if (!ReadExactly(fd, header, sizeof header)) break;
                const quint32 size = qFromLittleEndian<quint32>(header + 20);
                QByteArray data(size, '\0');
                if (qFromLittleEndian<quint32>(header + 12) != Handle || !ReadExactly(fd, data.data(), size))
                    break;
                {
                    std::lock_guard<std::mutex> lock(FMutex);
                    FFrames.push_back({connection, qFromLittleEndian<quint32>(header + 4), data});
                }
                const QByteArray ack = EndpointFrame::EncodeAck();
                if (::send(fd, ack.constData(), size_t(ack.size()), MSG_NOSIGNAL) != ack.size()) break;
            }
            ::close(fd);
        }
    }

    int FFramesPerConnection;
    int FListener = -1;
    std::atomic<bool> FStop{false};
    std::thread FThread;
    mutable std::mutex FMutex;
    std::vector<TFrame> FFrames;
};

// an endpoint handle nobody in the sandbox uses
quint32 FreeHandle(const TMessageEndpoint& Own) {
    quint32 handle = Own.Handle() ^ 0x5A5A0000u;
    while (handle == 0 || handle == Own.Handle() || TMessageEndpoint::IsAlive(handle)) ++handle;
    return handle;
}

// the sockets this process holds, by their inode
std::set<QString> OwnSockets() {
    std::set<QString> sockets;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& name : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
        const QString target = QFile::symLinkTarget(fds.filePath(name));
        if (target.contains(QLatin1String("socket:"))) sockets.insert(target);
    }
    return sockets;
}

// a connection to an endpoint of this process, written by hand, read while the event loop runs
class THandConnection {
public:
    explicit THandConnection(quint32 Handle) : FHandle(Handle) {
        FFd = ConnectToEndpoint(Handle, SOCK_NONBLOCK);
        Connected = FFd >= 0;
    }
    ~THandConnection() { ::close(FFd); }
    QByteArray Frame(bool Keep, const QByteArray& Data) const {
        return EndpointFrame::EncodeSend({7, FHandle, 3, 0, Keep}, Data);
    }
    void Write(const QByteArray& Bytes) const {
        EXPECT_EQ(::send(FFd, Bytes.constData(), size_t(Bytes.size()), MSG_NOSIGNAL), Bytes.size());
    }
    // what the endpoint answers until Count acknowledgements have come or it closes the connection
    QByteArray Acks(int Count) {
        QByteArray answer;
        WaitUntil([&] {
            char buffer[64];
            const ssize_t n = ::recv(FFd, buffer, sizeof buffer, 0);
            if (n > 0) answer.append(buffer, n);
            if (n == 0 || (n < 0 && errno != EAGAIN)) Closed = true;
            return Closed || answer.size() >= Count * EndpointFrame::AckSize;
        });
        return answer;
    }
    bool Connected = false;
    bool Closed = false;

private:
    quint32 FHandle;
    int FFd = -1;
};

quint32 StartEchoPeer(TLinkSandbox& Sandbox, const QString& Title) {
    QProcess* peer = Sandbox.Start(QStringLiteral(ENDPOINT_PEER_PROGRAM),
                                   {QStringLiteral("echo"), QStringLiteral("Echo"), Title});
    const QString line = NextLine(peer);
    EXPECT_TRUE(line.startsWith(QLatin1String("handle "))) << qPrintable(line);
    return line.mid(7).toUInt();
}

}  // namespace

TEST(EndpointConnection, SendsFollowOneAnotherOnOneConnection) {
    TLinkSandbox sandbox;
    TMessageEndpoint own;
    ASSERT_TRUE(own.Create(QStringLiteral("Own"), QString()));
    TScriptedReceiver receiver(FreeHandle(own), 1000);
    ASSERT_TRUE(receiver.Listening);
    const quint32 target = FreeHandle(own);
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(own.Send(target, i, QByteArray(100 * i, char('a' + i))));

    const auto frames = receiver.Frames();
    ASSERT_EQ(frames.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(frames[i].Connection, 0) << "frame " << i;
        EXPECT_EQ(frames[i].Kind, EndpointFrame::KindSendKeep);
        EXPECT_EQ(frames[i].Data, QByteArray(100 * i, char('a' + i)));
    }
}

TEST(EndpointConnection, ReceiverThatLetsConnectionsGoGetsEveryFrameOnce) {
    TLinkSandbox sandbox;
    TMessageEndpoint own;
    ASSERT_TRUE(own.Create(QStringLiteral("Own"), QString()));
    const quint32 target = FreeHandle(own);
    // closes each connection after one frame, at once or while the next frame is on its way
    {
        TScriptedReceiver receiver(target, 1);
        ASSERT_TRUE(receiver.Listening);
        for (int i = 0; i < 6; ++i) ASSERT_TRUE(own.Send(target, i, QByteArray::number(i))) << "send " << i;
        const auto frames = receiver.Frames();
        ASSERT_EQ(frames.size(), 6u);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(frames[i].Data, QByteArray::number(i));
            EXPECT_EQ(frames[i].Connection, i);
        }
    }
    QFile::remove(TEndpointDirectory::SocketPath(sandbox.EndpointDir(), target));
    // keeps two frames per connection: the third send finds its connection closed
    TScriptedReceiver receiver(target, 2);
    ASSERT_TRUE(receiver.Listening);
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(own.Send(target, i, QByteArray::number(i))) << "send " << i;
    const auto frames = receiver.Frames();
    ASSERT_EQ(frames.size(), 5u);
    const int connections[] = {0, 0, 1, 1, 2};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(frames[i].Data, QByteArray::number(i));
        EXPECT_EQ(frames[i].Connection, connections[i]) << "frame " << i;
    }
}

TEST(EndpointConnection, RequestsAndRepliesReuseTheirConnectionsBothWays) {
    TLinkSandbox sandbox;
    const quint32 peer = StartEchoPeer(sandbox, QStringLiteral("peer"));
    TMessageEndpoint own;
    ASSERT_TRUE(own.Create(QStringLiteral("Own"), QString()));
    std::vector<qint32> replies;
    own.OnReceive = [&](quint32 Sender, qint32 DataId, const QByteArray&) {
        if (Sender == peer) replies.push_back(DataId);
    };
    ASSERT_TRUE(own.Send(peer, 10, QByteArray("first")));
    const std::set<QString> afterFirst = OwnSockets();
    for (int i = 1; i <= 20; ++i) ASSERT_TRUE(own.Send(peer, 10 + 2 * i, QByteArray(i * 50, 'x')));
    ASSERT_EQ(replies.size(), 21u);
    for (int i = 0; i <= 20; ++i) EXPECT_EQ(replies[i], 11 + 2 * i);
    // no socket was opened for the requests after the first, nor for their replies
    EXPECT_EQ(OwnSockets(), afterFirst);
}

TEST(EndpointConnection, PeerThatDiedIsNoLongerReachedAndItsSuccessorIs) {
    TLinkSandbox sandbox;
    QProcess* first =
        sandbox.Start(QStringLiteral(ENDPOINT_PEER_PROGRAM),
                      {QStringLiteral("echo"), QStringLiteral("Echo"), QStringLiteral("first")});
    const QString line = NextLine(first);
    ASSERT_TRUE(line.startsWith(QLatin1String("handle ")));
    const quint32 dead = line.mid(7).toUInt();
    TMessageEndpoint own;
    ASSERT_TRUE(own.Create(QStringLiteral("Own"), QString()));
    int replies = 0;
    own.OnReceive = [&](quint32, qint32, const QByteArray&) { ++replies; };
    ASSERT_TRUE(own.Send(dead, 1, QByteArray("hello")));
    const std::size_t socketsBefore = OwnSockets().size();

    ::kill(pid_t(first->processId()), SIGKILL);
    ASSERT_TRUE(TLinkSandbox::WaitForExit(first));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(own.Send(dead, 3, QByteArray("anyone?")));
    EXPECT_LT(clock.elapsed(), 1000);  // far below the send time-out

    const quint32 second = StartEchoPeer(sandbox, QStringLiteral("second"));
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(own.Send(second, 5 + 2 * i, QByteArray("again")));
    EXPECT_EQ(replies, 4);
    EXPECT_FALSE(own.Send(dead, 3, QByteArray("still gone")));
    // the dead peer's connections were let go: no more sockets than with one peer
    EXPECT_LE(OwnSockets().size(), socketsBefore);
}

TEST(EndpointConnection, ReceiverTakesFrameAfterFrameOnAKeptConnection) {
    TLinkSandbox sandbox;
    TMessageEndpoint own;
    ASSERT_TRUE(own.Create(QStringLiteral("Own"), QString()));
    QList<QByteArray> received;
    own.OnReceive = [&](quint32, qint32, const QByteArray& Data) { received << Data; };
    const QByteArray ack = EndpointFrame::EncodeAck();

    THandConnection hand(own.Handle());
    ASSERT_TRUE(hand.Connected);
    hand.Write(hand.Frame(true, "one"));
    EXPECT_EQ(hand.Acks(1), ack);
    hand.Write(hand.Frame(true, "two"));
    EXPECT_EQ(hand.Acks(1), ack);
    // a peer that does not wait for the acknowledgement still has each frame handled on its own
    hand.Write(hand.Frame(true, "three") + hand.Frame(true, "four") +
               hand.Frame(true, QByteArray(70000, 'x')) + hand.Frame(true, ""));
    EXPECT_EQ(hand.Acks(4), ack + ack + ack + ack);
    EXPECT_FALSE(hand.Closed);
    // a frame that does not keep its connection is the last one on it
    hand.Write(hand.Frame(false, "last"));
    EXPECT_EQ(hand.Acks(2), ack);
    EXPECT_TRUE(hand.Closed);
    EXPECT_EQ(received,
              QList<QByteArray>({"one", "two", "three", "four", QByteArray(70000, 'x'), "", "last"}));

    // an endpoint that goes lets its kept connections go
    THandConnection kept(own.Handle());
    kept.Write(kept.Frame(true, "before"));
    EXPECT_EQ(kept.Acks(1), ack);
    own.Destroy();
    kept.Acks(1);
    EXPECT_TRUE(kept.Closed);
    EXPECT_EQ(received.size(), 8);
}
