// SPDX-License-Identifier: MIT
// The program's message endpoint against peers that misbehave on purpose: peers that connect and
// say nothing or trickle their frames, announce frames of 4 GiB, flood it, vanish halfway, or belong to
// another user. Whatever they do, the program keeps answering, holds on to no more than a bounded amount of
// memory and descriptors, and lets nothing of theirs through that it should not.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>

#include <grp.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

#include "EReadError.h"
#include "EndpointFrame.h"
#include "HostileSandbox.h"
#include "TEndpointHub.h"
#include "TqmrDemonClient.h"

namespace {

constexpr qint64 MiB = 1024;  // in KiB, as /proc counts

// Frames with content, as a peer that knows the protocol writes them.
QByteArray Frame(quint32 Target, qint32 Kind, const QByteArray& Content) {
    TLumeoMessageStream message;
    message.MsgKind = Kind;
    message.SetStamp(QDateTime::currentDateTime());
    message.WriteBytes(Content);
    return EndpointFrame::EncodeSend({1, Target, Kind, quint32(message.ToWire().size())}, message.ToWire());
}

// The descriptors a process holds once the connections of a message just handled are closed.
int SettledDescriptors(QProcess* Process) {
    WaitUntil([] { return false; }, 200);
    return THostileSandbox::OpenDescriptors(Process->processId());
}

}  // namespace

TEST(HostilePeer, SilentConnectionsNeitherBlockNorStay) {
    THostileSandbox sandbox;
    quint32 target = 0;
    QProcess* process = sandbox.StartTarget(&target);
    ASSERT_NE(target, 0u);
    TProbe probe;
    ASSERT_TRUE(probe.Ask(target));
    const int descriptors = SettledDescriptors(process);

    // peers that connect and never send a byte
    std::vector<std::unique_ptr<TRawConnection>> silent;
    for (int i = 0; i < 50; ++i) silent.push_back(std::make_unique<TRawConnection>(target));
    for (const auto& connection : silent) ASSERT_TRUE(connection->Connected());

    // meanwhile everyone else is served at once
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(probe.Ask(target));
    EXPECT_LT(clock.elapsed(), 1000);

    // a peer that trickles a frame, a byte well within the idle limit each time, is let go once the
    // frame has taken too long as a whole
    TRawConnection trickle(target);
    ASSERT_EQ(trickle.Write(FrameHeader(target, 1000)), EndpointFrame::HeaderSize);
    clock.restart();
    qint64 lastByte = 0;
    EXPECT_TRUE(WaitUntil(
        [&] {
            if (clock.elapsed() - lastByte >= TEndpointHub::IncomingIdleLimitMs / 5) {
                trickle.Write(QByteArray(1, 't'), 100);
                lastByte = clock.elapsed();
            }
            return trickle.ClosedByEndpoint();
        },
        TEndpointHub::IncomingFrameLimitMs + 5000));

    // and the silent ones are let go once they have been idle too long
    for (const auto& connection : silent)
        EXPECT_TRUE(connection->WaitUntilClosed(TEndpointHub::IncomingIdleLimitMs + 5000));
    EXPECT_TRUE(
        WaitUntil([&] { return THostileSandbox::OpenDescriptors(process->processId()) <= descriptors; }));
}

TEST(HostilePeer, BeyondTheLimitOfConnectionsTheRestAreTurnedAway) {
    THostileSandbox sandbox;
    quint32 target = 0;
    QProcess* process = sandbox.StartTarget(&target);
    ASSERT_NE(target, 0u);
    TProbe probe;
    ASSERT_TRUE(probe.Ask(target));
    const int descriptors = SettledDescriptors(process);

    std::vector<std::unique_ptr<TRawConnection>> storm;
    const int wanted = int(TEndpointHub::MaxIncoming) + 100;
    QElapsedTimer clock;
    clock.start();
    while (int(storm.size()) < wanted && clock.elapsed() < 10000) {
        auto connection = std::make_unique<TRawConnection>(target);
        if (connection->Connected())
            storm.push_back(std::move(connection));
        else
            ::usleep(1000);  // the listen backlog is full: the target is still accepting
    }
    ASSERT_EQ(int(storm.size()), wanted);
    // those beyond the limit are closed as they come; the target holds no more than the limit
    EXPECT_TRUE(WaitUntil([&] {
        int closed = 0;
        for (const auto& connection : storm) closed += connection->ClosedByEndpoint() ? 1 : 0;
        return closed >= wanted - int(TEndpointHub::MaxIncoming);
    }));
    EXPECT_LE(THostileSandbox::OpenDescriptors(process->processId()),
              descriptors + int(TEndpointHub::MaxIncoming));

    // once the storm is over, the target serves at once and keeps nothing of it
    storm.clear();
    EXPECT_TRUE(
        WaitUntil([&] { return THostileSandbox::OpenDescriptors(process->processId()) <= descriptors; }));
    clock.restart();
    EXPECT_TRUE(probe.Ask(target));
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(HostilePeer, FrameAnnouncing4GiBIsRefusedOnItsHeader) {
    THostileSandbox sandbox;
    quint32 target = 0;
    QProcess* process = sandbox.StartTarget(&target);
    ASSERT_NE(target, 0u);
    TProbe probe;
    ASSERT_TRUE(probe.Ask(target));
    const qint64 resident = ResidentKiB(process->processId());

    TRawConnection greedy(target);
    ASSERT_TRUE(greedy.Connected());
    greedy.Write(FrameHeader(target, 0xFFFFFFFFu) + QByteArray(1024 * 1024, 'G'));
    QByteArray answer;
    EXPECT_TRUE(WaitUntil([&] { return greedy.ClosedByEndpoint(&answer); }, 1000));
    EXPECT_TRUE(answer.isEmpty());  // no acknowledgement: nothing was received

    // the largest frame allowed, announced but never sent: nothing is set aside for it
    TRawConnection announcer(target);
    announcer.Write(FrameHeader(target, quint32(EndpointFrame::MaxDataSize)) + QByteArray(1024 * 1024, 'A'));
    ASSERT_TRUE(probe.Ask(target));
    EXPECT_FALSE(announcer.ClosedByEndpoint());
    EXPECT_LT(ResidentKiB(process->processId()) - resident, 16 * MiB);
    const std::optional<TProbe::TState> state = probe.Ask(target);
    ASSERT_TRUE(state);
    EXPECT_EQ(state->Handled, 3);  // the probes alone
}

TEST(HostilePeer, PeerVanishingInTheMiddleOfAFrameIsForgotten) {
    THostileSandbox sandbox;
    quint32 target = 0;
    QProcess* process = sandbox.StartTarget(&target);
    ASSERT_NE(target, 0u);
    TProbe probe;
    ASSERT_TRUE(probe.Ask(target));
    const int descriptors = SettledDescriptors(process);

    QProcess* peer = sandbox.Start(QStringLiteral(HOSTILE_PEER_PROGRAM),
                                   {QStringLiteral("half-frame"), QString::number(target)});
    ASSERT_EQ(NextLine(peer), QStringLiteral("sent"));
    EXPECT_TRUE(
        WaitUntil([&] { return THostileSandbox::OpenDescriptors(process->processId()) == descriptors + 1; }));
    ::kill(pid_t(peer->processId()), SIGKILL);

    EXPECT_TRUE(WaitUntil(
        [&] { return THostileSandbox::OpenDescriptors(process->processId()) == descriptors; }, 1000));
    const std::optional<TProbe::TState> state = probe.Ask(target);
    ASSERT_TRUE(state);
    EXPECT_EQ(state->Handled, 2);  // the half frame never reached a handler
}

// The server dies while it handles the component's request, before its reply is complete: the
// request returns as soon as the connection breaks, with nothing, and the component stays whole.
class ServerVanishing : public ::testing::TestWithParam<const char*> {};

TEST_P(ServerVanishing, InsideARequestReleasesTheComponentAtOnce) {
    THostileSandbox sandbox;
    sandbox.SetViewerHandle(QStringLiteral("V"));
    QStringList arguments{QStringLiteral("vanishing-server"), QStringLiteral("V")};
    if (*GetParam()) arguments << QString::fromLatin1(GetParam());
    QProcess* server = sandbox.Start(QStringLiteral(HOSTILE_PEER_PROGRAM), arguments);
    ASSERT_TRUE(NextLine(server).startsWith(QLatin1String("handle ")));

    TqmrDemonClient client(nullptr);
    ASSERT_NE(client.ServerEntity().Handle, 0u);
    client.SetSendTimeout(5000);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(client.FindEntityByTitle(QStringLiteral("Gravilo")));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(WaitUntil([&] { return server->state() == QProcess::NotRunning; }));

    clock.restart();
    EXPECT_THROW(client.QueryString(QStringLiteral("Version")), EReadError);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(client.PendingReplies().empty());

    int received = 0;
    client.OnGotAMessage = [&](QObject*, TLumeoMessageStream&) { ++received; };
    TLumeoMessageStream message(&client);
    message.MsgKind = 5000;
    client.SendTo(client.OwnEntity(), message);
    EXPECT_EQ(received, 1);
}

INSTANTIATE_TEST_SUITE_P(Replies, ServerVanishing, ::testing::Values("", "half-reply"));

namespace {

// In a child process of another user: connects to Path and sends Frame. 0 when the connection is
// refused, 1 when it is refused after the frame went out with no answer, 2 when the endpoint
// acknowledged the frame, 3 when the user could not be changed.
int SendAsAnotherUser(const QByteArray& Path, const QByteArray& Frame, uid_t User) {
    const pid_t child = ::fork();
    if (child == 0) {
        // only plain system calls from here on: this is a copy of a threaded process
        if (::setgroups(0, nullptr) != 0 || ::setgid(User) != 0 || ::setuid(User) != 0 || ::getuid() != User)
            ::_exit(3);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        memcpy(address.sun_path, Path.constData(), size_t(Path.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) ::_exit(0);
        [[maybe_unused]] const ssize_t sent =
            ::send(fd, Frame.constData(), size_t(Frame.size()), MSG_NOSIGNAL);
        timeval wait{3, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        char answer[8];
        ::_exit(::recv(fd, answer, sizeof answer, 0) > 0 ? 2 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(HostilePeer, ProcessOfAnotherUserIsRefused) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to start a process of another user";
    constexpr uid_t Nobody = 65534;
    THostileSandbox sandbox;
    quint32 target = 0;
    sandbox.StartTarget(&target);
    ASSERT_NE(target, 0u);
    TProbe probe;
    ASSERT_TRUE(probe.Ask(target));
    const QByteArray path = QFile::encodeName(TEndpointDirectory::SocketPath(sandbox.EndpointDir(), target));
    const QByteArray frame = Frame(target, 5000, QByteArray("from another user"));

    const auto open = [](const QString& Path, mode_t Mode) {
        return ::chmod(QFile::encodeName(Path).constData(), Mode) == 0;
    };
    // the endpoint folder alone keeps it out
    ASSERT_TRUE(open(sandbox.Root(), 0711));
    EXPECT_EQ(SendAsAnotherUser(path, frame, Nobody), 0);

    // with the folder and the socket opened to everyone by mistake, the endpoint still refuses it
    ASSERT_TRUE(open(sandbox.EndpointDir(), 0711) && open(QFile::decodeName(path), 0777));
    EXPECT_EQ(SendAsAnotherUser(path, frame, Nobody), 1);
    ASSERT_TRUE(open(sandbox.EndpointDir(), 0700));

    const std::optional<TProbe::TState> state = probe.Ask(target);
    ASSERT_TRUE(state);
    EXPECT_EQ(state->Handled, 2);  // the probes alone
}
