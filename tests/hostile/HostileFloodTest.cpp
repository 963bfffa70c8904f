// SPDX-License-Identifier: MIT
// Floods: thousands of messages one after the other, and many connections that each send part of a
// large frame. The program handles what it should and its memory stays within its bounds.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "HostileSandbox.h"
#include "TEndpointHub.h"
#include "TqmrCustomDemon.h"

namespace {

constexpr qint64 MiB = 1024;  // in KiB, as /proc counts

// Runs hostile-peer with Arguments and returns its last line once it has ended.
QString RunPeer(THostileSandbox& Sandbox, const QStringList& Arguments, int TimeoutMs = 60000) {
    QProcess* peer = Sandbox.Start(QStringLiteral(HOSTILE_PEER_PROGRAM), Arguments);
    const QString line = NextLine(peer, TimeoutMs);
    WaitUntil([&] { return peer->state() == QProcess::NotRunning; });
    return line;
}

}  // namespace

TEST(HostilePeer, FloodOfMessagesKeepsMemoryBounded) {
    THostileSandbox sandbox;
    quint32 target = 0;
    QProcess* process = sandbox.StartTarget(&target);
    ASSERT_NE(target, 0u);
    const QString handle = QString::number(target);

    // a first wave to let the target's memory settle, then the flood
    ASSERT_EQ(RunPeer(sandbox, {QStringLiteral("flood"), handle, QStringLiteral("200")}),
              QStringLiteral("sent 200 delivered 200"));
    const qint64 resident = ResidentKiB(process->processId());
    ASSERT_EQ(RunPeer(sandbox, {QStringLiteral("flood"), handle, QStringLiteral("2000")}),
              QStringLiteral("sent 2000 delivered 2000"));
    EXPECT_LT(ResidentKiB(process->processId()) - resident, 16 * MiB);

    TProbe probe;
    const std::optional<TProbe::TState> state = probe.Ask(target);
    ASSERT_TRUE(state);
    // half of the flood were messages of other kinds for the program, all handled but the short ones
    EXPECT_EQ(state->Handled, (200 / 2 - 2) + (2000 / 2 - 20) + 1);
    EXPECT_EQ(state->Params, 99);  // the program's path is one of the lines
    EXPECT_LE(state->Parked, qint32(TqmrCustomDemon::MaxParkedReplies));
}

TEST(HostilePeer, ManyHalfSentFramesStayWithinABudget) {
    THostileSandbox sandbox;
    quint32 target = 0;
    QProcess* process = sandbox.StartTarget(&target);
    ASSERT_NE(target, 0u);
    TProbe probe;
    ASSERT_TRUE(probe.Ask(target));
    const qint64 resident = ResidentKiB(process->processId());

    // 120 peers, each sending three quarters of a 4 MiB frame and then nothing more
    const QByteArray part = FrameHeader(target, 4 * 1024 * 1024) + QByteArray(3 * 1024 * 1024, 'P');
    std::vector<std::unique_ptr<TRawConnection>> peers;
    for (int i = 0; i < 120; ++i) {
        peers.push_back(std::make_unique<TRawConnection>(target));
        peers.back()->Write(part, 2000);
    }
    ASSERT_TRUE(probe.Ask(target, 10000));  // everything sent so far has been read
    const qint64 held = ResidentKiB(process->processId()) - resident;
    EXPECT_LT(held, TEndpointHub::MaxBufferedData / 1024 + 48 * MiB) << held / MiB << " MiB held";

    // when they give up, everything is served again
    peers.clear();
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(probe.Ask(target));
    EXPECT_LT(clock.elapsed(), 1000);
}
