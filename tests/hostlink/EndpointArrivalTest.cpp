// SPDX-License-Identifier: MIT
// Frames that arrive with their connection and frames that follow it later in pieces: both reach
// the handler once and are acknowledged.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QtEndian>

#include <sys/socket.h>
#include <unistd.h>

#include "EndpointFrame.h"
#include "EndpointSocket.h"
#include "LinkSandbox.h"
#include "TMessageEndpoint.h"

namespace {

int ConnectRaw(quint32 Handle) {
    const int fd = ConnectToEndpoint(Handle);
    EXPECT_GE(fd, 0);
    return fd;
}

QByteArray Frame(quint32 Target, const QByteArray& Data) {
    return EndpointFrame::EncodeSend({1, Target, 9, quint32(Data.size())}, Data);
}

void Write(int Fd, const QByteArray& Bytes) {
    EXPECT_EQ(::send(Fd, Bytes.constData(), size_t(Bytes.size()), MSG_NOSIGNAL), Bytes.size());
}

QByteArray ReadUntilClosed(int Fd) {
    QByteArray answer;
    WaitUntil([&] {
        char buffer[64];
        const ssize_t n = ::recv(Fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0) answer.append(buffer, n);
        return n == 0 || (n < 0 && errno != EAGAIN);
    });
    return answer;
}

}  // namespace

TEST(EndpointArrival, FramesWithTheirConnectionOrLaterInPiecesAreHandledOnce) {
    TLinkSandbox sandbox;
    TMessageEndpoint own;
    ASSERT_TRUE(own.Create(QStringLiteral("Own"), QString()));
    std::vector<QByteArray> received;
    own.OnReceive = [&](quint32, qint32, const QByteArray& Data) { received.push_back(Data); };

    // the whole frame is there when the connection is taken
    const int whole = ConnectRaw(own.Handle());
    Write(whole, Frame(own.Handle(), "at once"));
    EXPECT_EQ(ReadUntilClosed(whole), EndpointFrame::EncodeAck());
    ::close(whole);

    // the connection is taken first; the frame comes later, in three pieces
    const int pieces = ConnectRaw(own.Handle());
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    const QByteArray frame = Frame(own.Handle(), "in pieces");
    Write(pieces, frame.left(5));
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    Write(pieces, frame.mid(5, 20));
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(received.size(), 1u);  // not before the frame is complete
    Write(pieces, frame.mid(25));
    EXPECT_EQ(ReadUntilClosed(pieces), EndpointFrame::EncodeAck());
    ::close(pieces);

    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0], QByteArray("at once"));
    EXPECT_EQ(received[1], QByteArray("in pieces"));
}
