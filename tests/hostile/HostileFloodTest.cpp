// Floods: many connections that each send part of a large frame. The program handles what it should and its memory stays within its bounds.

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "HostileSandbox.h"
#include "TEndpointHub.h"

namespace {

constexpr qint64 MiB = 1024;  // in KiB, as /proc counts

}  // namespace

TEST(HostilePeer, ManyHalfSentFramesStayWithinABudget) {
    THostileSandbox sandbox;
    quint32 target = 0;
    QProcess* process = sandbox.StartTarget(&target);
    ASSERT_NE(target, 0u);
    TProbe probe;
    ASSERT_TRUE(probe.Ask(target));
    const qint64 resident = THostileSandbox::ResidentKiB(process->processId());

    // 120 peers, each sending three quarters of a 4 MiB frame and then nothing more
    const QByteArray part = FrameHeader(target, 4 * 1024 * 1024) + QByteArray(3 * 1024 * 1024, 'P');
    std::vector<std::unique_ptr<TRawConnection>> peers;
    for (int i = 0; i < 120; ++i) {
        peers.push_back(std::make_unique<TRawConnection>(target));
        peers.back()->Write(part, 2000);
    }
    ASSERT_TRUE(probe.Ask(target, 10000));  // everything sent so far has been read
    const qint64 held = THostileSandbox::ResidentKiB(process->processId()) - resident;
    EXPECT_LT(held, TEndpointHub::MaxBufferedData / 1024 + 48 * MiB) << held / MiB << " MiB held";

    // when they give up, everything is served again
    peers.clear();
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(probe.Ask(target));
    EXPECT_LT(clock.elapsed(), 1000);
}
