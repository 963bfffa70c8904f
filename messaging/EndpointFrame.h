// SPDX-License-Identifier: MIT
#pragma once
// What travels on an endpoint connection: a send frame from the sender, then an acknowledgement
// from the receiver once its handler has returned. Integers are little-endian.
//
//   send frame  magic "VXEP", kind 1 or 3, sender handle, target handle, data identifier, data
//               size, then the data (at most MaxDataSize bytes)
//   ack frame   magic "VXEP", kind 2
//
// After a frame of kind 1 the receiver closes the connection once it has acknowledged; after a
// frame of kind 3 it keeps it open for the sender's next frame, which the sender writes only once
// the acknowledgement of the last one has arrived.

#include <QByteArray>
#include <QtGlobal>

#include "gravilo_messaging_export.h"

namespace EndpointFrame {

constexpr quint32 Magic = 0x50455856;  // "VXEP"
constexpr quint32 KindSend = 1;
constexpr quint32 KindAck = 2;
constexpr quint32 KindSendKeep = 3;
constexpr qsizetype HeaderSize = 24;
constexpr qsizetype AckSize = 8;
constexpr qsizetype MaxDataSize = 64 * 1024 * 1024;

struct GRAVILO_MESSAGING_EXPORT THeader {
    quint32 Sender = 0;
    quint32 Target = 0;
    qint32 DataId = 0;
    quint32 DataSize = 0;
    bool Keep = false;  // the connection stays open after this frame
};

// The header alone, for Header.DataSize bytes of data that follow it.
GRAVILO_MESSAGING_EXPORT QByteArray EncodeHeader(const THeader& Header);
// The whole frame; its size field is Data's size.
GRAVILO_MESSAGING_EXPORT QByteArray EncodeSend(const THeader& Header, const QByteArray& Data);
GRAVILO_MESSAGING_EXPORT QByteArray EncodeAck();
GRAVILO_MESSAGING_EXPORT bool IsAck(const QByteArray& Bytes);

enum class TState { NeedMore, Complete, Malformed };

// Looks at the bytes received so far on a connection to the endpoint ExpectedTarget. The header is
// checked as soon as it is complete: a wrong magic or kind, another target or an oversized data
// size make the frame malformed before any of the data is awaited. Bytes beyond the frame make it
// malformed too: the reader hands over one frame at a time.
GRAVILO_MESSAGING_EXPORT TState Inspect(const QByteArray& Received, quint32 ExpectedTarget, THeader* Header);

// How many more bytes the frame needs (the header first, then the data).
GRAVILO_MESSAGING_EXPORT qsizetype Missing(const QByteArray& Received);

// The size of the whole frame whose header Received starts with, as the header states it; 0 while
// the header is incomplete.
GRAVILO_MESSAGING_EXPORT qsizetype FrameSize(const QByteArray& Received);

}  // namespace EndpointFrame
