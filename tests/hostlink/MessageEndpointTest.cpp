// SPDX-License-Identifier: MIT
// Message endpoints between real processes: finding, liveness, synchronous and re-entrant sends,
// the bound on a peer that does not answer, and frames that must be refused.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <csignal>

#include "EndpointFrame.h"
#include "EndpointSocket.h"
#include "LinkSandbox.h"
#include "TMessageEndpoint.h"

namespace {

struct TReceived {
    quint32 Sender;
    qint32 DataId;
    QByteArray Data;
};

// an in-process endpoint that records what it gets
class TRecorder {
public:
    TRecorder(const QString& ClassName, const QString& Title) {
        EXPECT_TRUE(Endpoint.Create(ClassName, Title));
        Endpoint.OnReceive = [this](quint32 Sender, qint32 DataId, const QByteArray& Data) {
            Received.push_back({Sender, DataId, Data});
        };
    }
    TMessageEndpoint Endpoint;
    std::vector<TReceived> Received;
};

quint32 PeerHandle(QProcess* Peer) {
    const QString line = NextLine(Peer);
    EXPECT_TRUE(line.startsWith(QLatin1String("handle "))) << qPrintable(line);
    return line.mid(7).toUInt();
}

// a raw connection to an endpoint, bypassing the endpoint code, as a broken or hostile peer would
class TRawPeer {
public:
    explicit TRawPeer(quint32 Handle) {
        FFd = ConnectToEndpoint(Handle);
        Connected = FFd >= 0;
    }
    ~TRawPeer() { ::close(FFd); }
    void Write(const QByteArray& Bytes) const {
        EXPECT_EQ(::send(FFd, Bytes.constData(), size_t(Bytes.size()), MSG_NOSIGNAL), Bytes.size());
    }
    void FinishWriting() const { ::shutdown(FFd, SHUT_WR); }
    // true when the endpoint has closed the connection (what it sent before is returned)
    bool ClosedByEndpoint(QByteArray* Answer = nullptr) const {
        QByteArray answer;
        const bool closed = WaitUntil([&] {
            char buffer[64];
            const ssize_t n = ::recv(FFd, buffer, sizeof buffer, MSG_DONTWAIT);
            if (n > 0) answer.append(buffer, n);
            return n == 0 || (n < 0 && errno != EAGAIN);
        });
        if (Answer) *Answer = answer;
        return closed;
    }
    bool Connected = false;

private:
    int FFd = -1;
};

QByteArray Header(quint32 Magic, quint32 Kind, quint32 Target, quint32 DataSize) {
    QByteArray bytes(24, '\0');
    qToLittleEndian(Magic, bytes.data());
    qToLittleEndian(Kind, bytes.data() + 4);
    qToLittleEndian(quint32(1), bytes.data() + 8);
    qToLittleEndian(Target, bytes.data() + 12);
    qToLittleEndian(quint32(7), bytes.data() + 16);
    qToLittleEndian(DataSize, bytes.data() + 20);
    return bytes;
}

}  // namespace

TEST(MessageEndpoint, HandlesAreFoundByClassAndTitleWhileAlive) {
    TLinkSandbox sandbox;
    auto first = std::make_unique<TMessageEndpoint>();
    TMessageEndpoint second;
    ASSERT_TRUE(first->Create(QStringLiteral("ClassA"), QStringLiteral("Title A")));
    ASSERT_TRUE(second.Create(QStringLiteral("ClassB"), QString()));
    EXPECT_NE(first->Handle(), 0u);
    EXPECT_NE(first->Handle(), second.Handle());

    EXPECT_EQ(TMessageEndpoint::Find(QStringLiteral("ClassA"), QStringLiteral("Title A")), first->Handle());
    EXPECT_EQ(TMessageEndpoint::Find(QStringLiteral("classa"), QStringLiteral("TITLE A")), first->Handle());
    EXPECT_EQ(TMessageEndpoint::Find(QStringLiteral("ClassB"), QString()), second.Handle());
    EXPECT_EQ(TMessageEndpoint::Find(QStringLiteral("ClassA"), QStringLiteral("Title")), 0u);
    EXPECT_EQ(TMessageEndpoint::Find(QStringLiteral("ClassB"), QStringLiteral("Title A")), 0u);

    const quint32 gone = first->Handle();
    EXPECT_TRUE(TMessageEndpoint::IsAlive(gone));
    first.reset();
    EXPECT_FALSE(TMessageEndpoint::IsAlive(gone));
    EXPECT_FALSE(TMessageEndpoint::IsAlive(0));
    EXPECT_EQ(TMessageEndpoint::Find(QStringLiteral("ClassA"), QStringLiteral("Title A")), 0u);

    // the folder is the user's alone
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(sandbox.EndpointDir()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(MessageEndpoint, FolderOfAnotherKindIsRefused) {
    TLinkSandbox sandbox;
    // a file where the folder should be, or a link to a folder: never taken for the folder
    QFile blocker(sandbox.EndpointDir());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TMessageEndpoint endpoint;
    EXPECT_FALSE(endpoint.Create(QStringLiteral("C"), QStringLiteral("T")));
    QFile::remove(sandbox.EndpointDir());
    ASSERT_TRUE(QDir(sandbox.Path(QString())).mkdir(QStringLiteral("real")));
    ASSERT_TRUE(QFile::link(sandbox.Path(QStringLiteral("real")), sandbox.EndpointDir()));
    EXPECT_FALSE(endpoint.Create(QStringLiteral("C"), QStringLiteral("T")));
}

TEST(MessageEndpoint, SendIsSynchronousAndRepliesArriveInsideIt) {
    TLinkSandbox sandbox;
    QProcess* peer = sandbox.Start(QStringLiteral(ENDPOINT_PEER_PROGRAM),
                                   {QStringLiteral("echo"), QStringLiteral("Echo"), QStringLiteral("peer")});
    const quint32 peerHandle = PeerHandle(peer);
    ASSERT_EQ(TMessageEndpoint::Find(QStringLiteral("Echo"), QStringLiteral("peer")), peerHandle);

    TRecorder own(QStringLiteral("Own"), QStringLiteral("own"));
    ASSERT_TRUE(own.Endpoint.Send(peerHandle, 41, QByteArray("ping")));
    // the echo came back while the send was still waiting
    ASSERT_EQ(own.Received.size(), 1u);
    EXPECT_EQ(own.Received[0].Sender, peerHandle);
    EXPECT_EQ(own.Received[0].DataId, 42);
    EXPECT_EQ(own.Received[0].Data, QByteArray("ping"));
    EXPECT_EQ(NextLine(peer), QStringLiteral("got 41 4 1"));

    // data far beyond a socket buffer, both ways, and the empty data
    QByteArray large(8 * 1024 * 1024, '\0');
    for (qsizetype i = 0; i < large.size(); ++i) large[i] = char(i * 7 + i / 4096);
    ASSERT_TRUE(own.Endpoint.Send(peerHandle, 100, large));
    ASSERT_EQ(own.Received.size(), 2u);
    EXPECT_EQ(own.Received[1].Data, large);
    ASSERT_TRUE(own.Endpoint.Send(peerHandle, 200, QByteArray()));
    EXPECT_EQ(own.Received.back().DataId, 201);
    EXPECT_TRUE(own.Received.back().Data.isEmpty());
}

TEST(MessageEndpoint, SendToItselfRunsTheHandlerBeforeReturning) {
    TLinkSandbox sandbox;
    TRecorder own(QStringLiteral("Own"), QStringLiteral("own"));
    ASSERT_TRUE(own.Endpoint.Send(own.Endpoint.Handle(), 5, QByteArray("self")));
    ASSERT_EQ(own.Received.size(), 1u);
    EXPECT_EQ(own.Received[0].Sender, own.Endpoint.Handle());
    EXPECT_EQ(own.Received[0].Data, QByteArray("self"));
}

TEST(MessageEndpoint, SendsThatCannotArriveReturnAtOnce) {
    TLinkSandbox sandbox;
    TRecorder own(QStringLiteral("Own"), QStringLiteral("own"));
    own.Endpoint.SetSendTimeout(4000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(own.Endpoint.Send(0, 1, QByteArray("x")));

    quint32 vanished = 0;
    {
        TMessageEndpoint brief;
        ASSERT_TRUE(brief.Create(QStringLiteral("Brief"), QString()));
        vanished = brief.Handle();
    }
    EXPECT_FALSE(own.Endpoint.Send(vanished, 1, QByteArray("x")));

    // a process that died without tidying up leaves nothing that looks alive
    QProcess* peer =
        sandbox.Start(QStringLiteral(ENDPOINT_PEER_PROGRAM),
                      {QStringLiteral("echo"), QStringLiteral("Doomed"), QStringLiteral("peer")});
    const quint32 killed = PeerHandle(peer);
    ::kill(pid_t(peer->processId()), SIGKILL);
    ASSERT_TRUE(TLinkSandbox::WaitForExit(peer));
    EXPECT_FALSE(TMessageEndpoint::IsAlive(killed));
    EXPECT_EQ(TMessageEndpoint::Find(QStringLiteral("Doomed"), QStringLiteral("peer")), 0u);
    EXPECT_FALSE(own.Endpoint.Send(killed, 1, QByteArray("x")));
    EXPECT_LT(clock.elapsed(), 3000);

    // its leftovers go when the next endpoint is made
    TMessageEndpoint next;
    ASSERT_TRUE(next.Create(QStringLiteral("Next"), QString()));
    EXPECT_FALSE(QFileInfo::exists(TEndpointDirectory::InfoPath(sandbox.EndpointDir(), killed)));
    EXPECT_FALSE(QFileInfo::exists(TEndpointDirectory::SocketPath(sandbox.EndpointDir(), killed)));

    // too much data is not sent at all
    EXPECT_FALSE(
        own.Endpoint.Send(own.Endpoint.Handle(), 1, QByteArray(TMessageEndpoint::MaxDataSize + 1, 'x')));
    EXPECT_TRUE(own.Received.empty());
}

TEST(MessageEndpoint, PeerThatDoesNotAnswerCostsOnlyTheBound) {
    TLinkSandbox sandbox;
    QProcess* peer = sandbox.Start(QStringLiteral(ENDPOINT_PEER_PROGRAM),
                                   {QStringLiteral("hang"), QStringLiteral("Stuck"), QStringLiteral("peer")});
    const quint32 stuck = PeerHandle(peer);
    ASSERT_TRUE(TMessageEndpoint::IsAlive(stuck));

    TRecorder own(QStringLiteral("Own"), QStringLiteral("own"));
    own.Endpoint.SetSendTimeout(300);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(own.Endpoint.Send(stuck, 1, QByteArray(1024 * 1024, 'x')));
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_LT(clock.elapsed(), 3000);

    // and the sender is none the worse for it
    ASSERT_TRUE(own.Endpoint.Send(own.Endpoint.Handle(), 2, QByteArray("still here")));
    EXPECT_EQ(own.Received.size(), 1u);
}

TEST(MessageEndpoint, MalformedFramesAreRefusedWithoutHarm) {
    TLinkSandbox sandbox;
    TRecorder own(QStringLiteral("Own"), QStringLiteral("own"));
    const quint32 handle = own.Endpoint.Handle();
    const QByteArray ack = EndpointFrame::EncodeAck();

    {  // not our protocol at all
        TRawPeer raw(handle);
        ASSERT_TRUE(raw.Connected);
        raw.Write(QByteArray("GET / HTTP/1.0\r\n\r\nxxxxxxxx"));
        QByteArray answer;
        EXPECT_TRUE(raw.ClosedByEndpoint(&answer));
        EXPECT_TRUE(answer.isEmpty());
    }
    {  // announces a gigabyte: refused on the header, nothing is waited for or reserved
        TRawPeer raw(handle);
        raw.Write(Header(EndpointFrame::Magic, EndpointFrame::KindSend, handle, 1u << 30));
        EXPECT_TRUE(raw.ClosedByEndpoint());
    }
    {  // meant for another endpoint
        TRawPeer raw(handle);
        raw.Write(Header(EndpointFrame::Magic, EndpointFrame::KindSend, handle + 1, 0));
        EXPECT_TRUE(raw.ClosedByEndpoint());
    }
    {  // an acknowledgement where a send belongs
        TRawPeer raw(handle);
        raw.Write(Header(EndpointFrame::Magic, EndpointFrame::KindAck, handle, 0));
        EXPECT_TRUE(raw.ClosedByEndpoint());
    }
    {  // shorter than it says, then the peer stops writing
        TRawPeer raw(handle);
        raw.Write(Header(EndpointFrame::Magic, EndpointFrame::KindSend, handle, 10) + "12345");
        raw.FinishWriting();
        QByteArray answer;
        EXPECT_TRUE(raw.ClosedByEndpoint(&answer));
        EXPECT_TRUE(answer.isEmpty());
    }
    {  // a half header
        TRawPeer raw(handle);
        raw.Write(Header(EndpointFrame::Magic, EndpointFrame::KindSend, handle, 0).left(10));
        raw.FinishWriting();
        EXPECT_TRUE(raw.ClosedByEndpoint());
    }
    EXPECT_TRUE(own.Received.empty());

    {  // a well-formed frame by hand is delivered and acknowledged
        TRawPeer raw(handle);
        raw.Write(Header(EndpointFrame::Magic, EndpointFrame::KindSend, handle, 3) + "abc");
        QByteArray answer;
        EXPECT_TRUE(raw.ClosedByEndpoint(&answer));
        EXPECT_EQ(answer, ack);
    }
    ASSERT_EQ(own.Received.size(), 1u);
    EXPECT_EQ(own.Received[0].DataId, 7);
    EXPECT_EQ(own.Received[0].Data, QByteArray("abc"));

    // a peer process still gets through
    QProcess* peer = sandbox.Start(QStringLiteral(ENDPOINT_PEER_PROGRAM),
                                   {QStringLiteral("echo"), QStringLiteral("Echo"), QStringLiteral("peer")});
    EXPECT_TRUE(own.Endpoint.Send(PeerHandle(peer), 10, QByteArray("after")));
    EXPECT_EQ(own.Received.size(), 2u);
}

TEST(MessageEndpoint, HandlerThatThrowsStillLetsTheSenderGo) {
    TLinkSandbox sandbox;
    TMessageEndpoint own;
    ASSERT_TRUE(own.Create(QStringLiteral("Own"), QString()));
    int calls = 0;
    own.OnReceive = [&](quint32, qint32, const QByteArray&) {
        ++calls;
        throw std::runtime_error("handler failure");
    };
    EXPECT_TRUE(own.Send(own.Handle(), 1, QByteArray("x")));
    EXPECT_TRUE(own.Send(own.Handle(), 1, QByteArray("y")));
    EXPECT_EQ(calls, 2);
}

TEST(MessageEndpoint, HandlerMayDestroyItsOwnEndpoint) {
    TLinkSandbox sandbox;
    auto doomed = std::make_unique<TMessageEndpoint>();
    ASSERT_TRUE(doomed->Create(QStringLiteral("Doomed"), QString()));
    const quint32 handle = doomed->Handle();
    doomed->OnReceive = [&](quint32, qint32, const QByteArray&) { doomed.reset(); };
    TMessageEndpoint sender;
    ASSERT_TRUE(sender.Create(QStringLiteral("Sender"), QString()));
    EXPECT_TRUE(sender.Send(handle, 1, QByteArray("bye")));
    EXPECT_FALSE(doomed);
    EXPECT_FALSE(TMessageEndpoint::IsAlive(handle));
    EXPECT_FALSE(sender.Send(handle, 1, QByteArray("again")));
}
