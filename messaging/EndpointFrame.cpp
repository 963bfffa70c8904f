// SPDX-License-Identifier: MIT
#include "EndpointFrame.h"

#include <QtEndian>

namespace EndpointFrame {

namespace {

void Put(QByteArray& bytes, quint32 value) {
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

// Callers have checked the size. A null array's constData() points at a one-byte stand-in, which
// the compiler's bounds analysis would otherwise take for what is read here.
quint32 Get(const QByteArray& bytes, qsizetype at) {
    if (bytes.isNull()) return 0;
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

}  // namespace

QByteArray EncodeHeader(const THeader& Header) {
    QByteArray header;
    header.reserve(HeaderSize);
    Put(header, Magic);
    Put(header, Header.Keep ? KindSendKeep : KindSend);
    Put(header, Header.Sender);
    Put(header, Header.Target);
    Put(header, quint32(Header.DataId));
    Put(header, Header.DataSize);
    return header;
}

QByteArray EncodeSend(const THeader& Header, const QByteArray& Data) {
    THeader sized = Header;
    sized.DataSize = quint32(Data.size());
    QByteArray frame = EncodeHeader(sized);
    frame.append(Data);
    return frame;
}

QByteArray EncodeAck() {
    QByteArray frame;
    Put(frame, Magic);
    Put(frame, KindAck);
    return frame;
}

bool IsAck(const QByteArray& Bytes) {
    static const QByteArray ack = EncodeAck();
    return Bytes == ack;
}

TState Inspect(const QByteArray& Received, quint32 ExpectedTarget, THeader* Header) {
    if (Received.size() < HeaderSize) return TState::NeedMore;
    const quint32 kind = Get(Received, 4);
    if (Get(Received, 0) != Magic || (kind != KindSend && kind != KindSendKeep)) return TState::Malformed;
    THeader header;
    header.Keep = kind == KindSendKeep;
    header.Sender = Get(Received, 8);
    header.Target = Get(Received, 12);
    header.DataId = qint32(Get(Received, 16));
    header.DataSize = Get(Received, 20);
    if (header.Target != ExpectedTarget || header.DataSize > quint32(MaxDataSize)) return TState::Malformed;
    const qsizetype total = HeaderSize + qsizetype(header.DataSize);
    if (Received.size() > total) return TState::Malformed;
    if (Header) *Header = header;
    return Received.size() == total ? TState::Complete : TState::NeedMore;
}

qsizetype Missing(const QByteArray& Received) {
    if (Received.size() < HeaderSize) return HeaderSize - Received.size();
    return qMax<qsizetype>(0, FrameSize(Received) - Received.size());
}

qsizetype FrameSize(const QByteArray& Received) {
    return Received.size() < HeaderSize ? 0 : HeaderSize + qsizetype(Get(Received, 20));
}

}  // namespace EndpointFrame
