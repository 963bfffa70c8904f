// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include "gravilo_messaging_export.h"

/// What travels on an endpoint connection: a send frame from the sender, then an acknowledgement
/// from the receiver once its handler has returned. Integers are little-endian.
///
///     send frame  magic "VXEP", kind 1 or 3, sender handle, target handle, data identifier, data
///                 size, then the data (at most MaxDataSize bytes)
///     ack frame   magic "VXEP", kind 2
///
/// After a frame of kind 1 the receiver closes the connection once it has acknowledged; after a
/// frame of kind 3 it keeps it open for the sender's next frame, which the sender writes only once
/// the acknowledgement of the last one has arrived.
namespace EndpointFrame {

constexpr quint32 Magic = 0x50455856;                ///< "VXEP", the first field of every frame
constexpr quint32 KindSend = 1;                      ///< a send frame; the connection closes after it
constexpr quint32 KindAck = 2;                       ///< the acknowledgement frame
constexpr quint32 KindSendKeep = 3;                  ///< a send frame; the connection stays open after it
constexpr qsizetype HeaderSize = 24;                 ///< the bytes of a send frame before its data
constexpr qsizetype AckSize = 8;                     ///< the bytes of an acknowledgement frame
constexpr qsizetype MaxDataSize = 64 * 1024 * 1024;  ///< the most data one send frame carries

/// The fields of a send frame's header.
struct GRAVILO_MESSAGING_EXPORT THeader {
    quint32 Sender = 0;    ///< the sending endpoint's handle, as the sender states it
    quint32 Target = 0;    ///< the receiving endpoint's handle
    qint32 DataId = 0;     ///< the data identifier
    quint32 DataSize = 0;  ///< the bytes of data that follow the header
    bool Keep = false;     ///< the connection stays open after this frame
};

/// The header alone, for Header.DataSize bytes of data that follow it.
GRAVILO_MESSAGING_EXPORT QByteArray EncodeHeader(const THeader& Header);
/// The whole frame; its size field is Data's size.
GRAVILO_MESSAGING_EXPORT QByteArray EncodeSend(const THeader& Header, const QByteArray& Data);
/// The acknowledgement frame.
GRAVILO_MESSAGING_EXPORT QByteArray EncodeAck();
/// Whether Bytes are exactly one acknowledgement frame.
GRAVILO_MESSAGING_EXPORT bool IsAck(const QByteArray& Bytes);

/// What Inspect makes of the bytes received so far.
enum class TState {
    NeedMore,  ///< a frame so far: more bytes are to come
    Complete,  ///< exactly one whole frame
    Malformed  ///< no frame for this endpoint: the receiver closes the connection
};

/// Looks at the bytes received so far on a connection to the endpoint ExpectedTarget. The header is
/// checked as soon as it is complete: a wrong magic or kind, another target or an oversized data
/// size make the frame malformed before any of the data is awaited. Bytes beyond the frame make it
/// malformed too: the reader hands over one frame at a time. Header (when given) receives the
/// header's fields once they are complete and sound.
GRAVILO_MESSAGING_EXPORT TState Inspect(const QByteArray& Received, quint32 ExpectedTarget, THeader* Header);

/// How many more bytes the frame needs (the header first, then the data).
GRAVILO_MESSAGING_EXPORT qsizetype Missing(const QByteArray& Received);

/// The size of the whole frame whose header Received starts with, as the header states it; 0 while
/// the header is incomplete.
GRAVILO_MESSAGING_EXPORT qsizetype FrameSize(const QByteArray& Received);

}  // namespace EndpointFrame
