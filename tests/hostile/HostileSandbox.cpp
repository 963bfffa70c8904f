// SPDX-License-Identifier: MIT
#include "HostileSandbox.h"
#include "EndpointSocket.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QtEndian>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "EndpointFrame.h"
#include "TLumeoMessageStream.h"

// ---- THostileSandbox ----

QProcess* THostileSandbox::Start(const QString& Program, const QStringList& Arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString asan = environment.value(QStringLiteral("ASAN_OPTIONS"));
    if (!asan.isEmpty())
        environment.insert(QStringLiteral("ASAN_OPTIONS"), asan + QLatin1String(":quarantine_size_mb=16"));
    return TProcessSandbox::Start(Program, Arguments, environment);
}

QProcess* THostileSandbox::StartTarget(quint32* Handle) {
    QProcess* target = Start(QStringLiteral(HOSTILE_TARGET_PROGRAM), {});
    const QString line = NextLine(target, 10000);
    *Handle = line.startsWith(QLatin1String("handle ")) ? line.mid(7).toUInt() : 0;
    return target;
}

int THostileSandbox::OpenDescriptors(qint64 Pid) {
    return int(QDir(QStringLiteral("/proc/%1/fd").arg(Pid))
                   .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                   .size());
}

// ---- TRawConnection ----

TRawConnection::TRawConnection(quint32 Handle) : FFd(ConnectToEndpoint(Handle, SOCK_NONBLOCK)) {}

TRawConnection::~TRawConnection() {
    if (FFd >= 0) ::close(FFd);
}

qsizetype TRawConnection::Write(const QByteArray& Bytes, int TimeoutMs) {
    QElapsedTimer clock;
    clock.start();
    qsizetype done = 0;
    while (FFd >= 0 && done < Bytes.size() && clock.elapsed() < TimeoutMs) {
        const ssize_t n = ::send(FFd, Bytes.constData() + done, size_t(Bytes.size() - done), MSG_NOSIGNAL);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) break;
        pollfd writable{FFd, POLLOUT, 0};
        ::poll(&writable, 1, 10);
    }
    return done;
}

bool TRawConnection::ClosedByEndpoint(QByteArray* Answer) {
    if (FFd < 0 || FClosed) return true;
    for (;;) {
        char buffer[256];
        const ssize_t n = ::recv(FFd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0) {
            if (Answer) Answer->append(buffer, n);
            continue;
        }
        FClosed = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
        return FClosed;
    }
}

bool TRawConnection::WaitUntilClosed(int TimeoutMs) {
    return WaitUntil([&] { return ClosedByEndpoint(); }, TimeoutMs);
}

// ---- TProbe ----

TProbe::TProbe() {
    FEndpoint.Create(QStringLiteral("Probe"), QString());
    FEndpoint.OnReceive = [this](quint32, qint32 DataId, const QByteArray& Data) {
        if (DataId != 5002) return;
        const auto message = TLumeoMessageStream::FromWire(nullptr, DataId, 0, Data);
        TState state{};
        state.Handled = message->ReadInt32();
        state.Parked = message->ReadInt32();
        state.Params = message->ReadInt32();
        FAnswer = state;
    };
}

std::optional<TProbe::TState> TProbe::Ask(quint32 Target, int TimeoutMs) {
    FAnswer.reset();
    TLumeoMessageStream question;
    question.MsgKind = 5001;
    question.SetStamp(QDateTime::currentDateTime());
    FEndpoint.SetSendTimeout(TimeoutMs);
    FEndpoint.Send(Target, question.MsgKind, question.ToWire());
    return FAnswer;
}

QByteArray FrameHeader(quint32 Target, quint32 DataSize, qint32 DataId) {
    QByteArray header = EndpointFrame::EncodeSend({1, Target, DataId, 0}, QByteArray());
    qToLittleEndian(DataSize, header.data() + 20);  // the size it announces, whatever follows
    return header;
}
