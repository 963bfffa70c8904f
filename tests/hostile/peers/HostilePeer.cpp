// SPDX-License-Identifier: MIT
// Peers that misbehave, each in a process of its own so that it can vanish for real.
//
//   hostile-peer flood HANDLE COUNT      sends COUNT messages to HANDLE, one after the other:
//                                        replies nobody asked for, parameter lists, large messages
//                                        of unknown kinds and, now and then, messages too short to
//                                        be read; prints "sent COUNT delivered D" when done
//   hostile-peer half-frame HANDLE       connects to HANDLE, sends the header of a 1 MiB frame and
//                                        half of its data, prints "sent" and waits to be killed
//   hostile-peer vanishing-server TEXT [half-reply]
//                                        serves as the host viewer's server named by TEXT; the
//                                        first request kills it while it handles it, after half
//                                        a reply has gone out when half-reply is given
//
// The endpoint folder is the one the environment names, as for every endpoint.

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QtEndian>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "EndpointFrame.h"
#include "EndpointSocket.h"
#include "LumeoProtocol.h"
#include "TLumeoMessageStream.h"
#include "TMessageEndpoint.h"

namespace {

void Print(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// A connection to an endpoint that bypasses the endpoint code; -1 when it cannot be made.
int ConnectRaw(quint32 Handle) {
    return ConnectToEndpoint(Handle);
}

void WriteAll(int Fd, const QByteArray& Bytes) {
    qsizetype done = 0;
    while (done < Bytes.size()) {
        const ssize_t n = ::send(Fd, Bytes.constData() + done, size_t(Bytes.size() - done), MSG_NOSIGNAL);
        if (n <= 0) return;
        done += n;
    }
}

QByteArray Message(qint32 Kind, const QByteArray& Content, qint32 StampTime) {
    TLumeoMessageStream message;
    message.MsgKind = Kind;
    message.StampTime = StampTime;
    message.StampDate = 739000;
    message.WriteBytes(Content);
    return message.ToWire();
}

int Flood(quint32 Target, int Count) {
    TMessageEndpoint own;
    if (!own.Create(QStringLiteral("Flood"), QString())) return 1;
    const QByteArray params = QByteArray("/usr/bin/gravilo\r\n").repeated(100);
    const QByteArray large(32 * 1024, 'L');
    const QByteArray reply(64 * 1024, 'R');
    int delivered = 0;
    for (int i = 0; i < Count; ++i) {
        QByteArray data;
        qint32 kind = 5000;
        switch (i % 4) {
            case 0:  // a reply with a stamp nobody waits for
                kind = hmReply;
                data = Message(kind, reply, qint32(QRandomGenerator::global()->bounded(86400000)));
                break;
            case 1:
                kind = hmParams;
                data = Message(kind, params, i);
                break;
            case 2:
                data = Message(kind, large, i);
                break;
            case 3:  // every hundredth: no room for the stamp
                data = i % 100 == 3 ? QByteArray("abc") : Message(kind, QByteArray::number(i), i);
                break;
        }
        delivered += own.Send(Target, kind, data) ? 1 : 0;
    }
    Print(QStringLiteral("sent %1 delivered %2").arg(Count).arg(delivered));
    return 0;
}

int HalfFrame(quint32 Target) {
    const int fd = ConnectRaw(Target);
    if (fd < 0) return 1;
    const qsizetype size = 1024 * 1024;
    QByteArray frame = EndpointFrame::EncodeSend({1, Target, 5000, quint32(size)}, QByteArray(size, 'H'));
    WriteAll(fd, frame.left(EndpointFrame::HeaderSize + size / 2));
    Print(QStringLiteral("sent"));
    for (;;) ::pause();
}

int VanishingServer(const QString& Text, bool HalfReply) {
    TMessageEndpoint server;
    if (!server.Create(LumeoNames::ServerClassName(Text), LumeoNames::ServerTitle(Text))) return 1;
    server.OnReceive = [&](quint32 Sender, qint32 DataId, const QByteArray& Data) {
        if (DataId == hmRegister || DataId == hmUnregister) return;
        if (HalfReply) {
            const QByteArray reply =
                Message(hmReply, QByteArray(4096, 'r'), qFromLittleEndian<qint32>(Data.constData()));
            const QByteArray frame =
                EndpointFrame::EncodeSend({server.Handle(), Sender, hmReply, quint32(reply.size())}, reply);
            const int fd = ConnectRaw(Sender);
            WriteAll(fd, frame.left(frame.size() / 2));
        }
        ::raise(SIGKILL);
    };
    Print(QStringLiteral("handle %1").arg(server.Handle()));
    return QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString mode = arguments.value(1);
    if (mode == QLatin1String("flood") && arguments.size() == 4)
        return Flood(arguments[2].toUInt(), arguments[3].toInt());
    if (mode == QLatin1String("half-frame") && arguments.size() == 3) return HalfFrame(arguments[2].toUInt());
    if (mode == QLatin1String("vanishing-server") && arguments.size() >= 3)
        return VanishingServer(arguments[2], arguments.value(3) == QLatin1String("half-reply"));
    std::fprintf(
        stderr,
        "usage: hostile-peer flood HANDLE COUNT | half-frame HANDLE | vanishing-server TEXT [half-reply]\n");
    return 2;
}
