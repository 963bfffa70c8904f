// SPDX-License-Identifier: MIT
// The frame reader of a message endpoint on whatever a peer writes: fed the way a connection
// receives it, piece by piece and never beyond what the frame still needs, it decides exactly as
// a reading of the whole bytes at once would, and it never waits for more than it may hold.

#include <QtEndian>

#include <cstdint>

#include "EndpointFrame.h"
#include "FuzzCheck.h"

namespace {

// the endpoint the frames are meant for; seeds name it, others are refused
constexpr quint32 OwnHandle = 0x00010001;

struct TVerdict {
    EndpointFrame::TState State = EndpointFrame::TState::NeedMore;
    QByteArray Frame;  // what was taken from the connection
};

// The receiving side: asks for what is missing, in pieces no larger than Piece, until the reader
// decides or the peer has nothing more.
TVerdict Receive(const QByteArray& Sent, qsizetype Piece) {
    TVerdict verdict;
    qsizetype at = 0;
    for (;;) {
        verdict.State = EndpointFrame::Inspect(verdict.Frame, OwnHandle, nullptr);
        if (verdict.State != EndpointFrame::TState::NeedMore) return verdict;
        const qsizetype missing = EndpointFrame::Missing(verdict.Frame);
        FUZZ_CHECK(missing > 0, QStringLiteral("needs more but misses nothing"));
        FUZZ_CHECK(verdict.Frame.size() + missing <= EndpointFrame::HeaderSize + EndpointFrame::MaxDataSize);
        if (at >= Sent.size()) return verdict;  // the peer stopped writing
        const qsizetype n = std::min({missing, Piece, Sent.size() - at});
        verdict.Frame.append(Sent.constData() + at, n);
        at += n;
    }
}

// The same decision from all the bytes at once.
EndpointFrame::TState WholeReading(const QByteArray& Sent, EndpointFrame::THeader& Header) {
    using EndpointFrame::TState;
    if (Sent.size() < EndpointFrame::HeaderSize) return TState::NeedMore;
    const auto word = [&](int at) { return qFromLittleEndian<quint32>(Sent.constData() + at); };
    const bool send = word(4) == EndpointFrame::KindSend || word(4) == EndpointFrame::KindSendKeep;
    if (word(0) != EndpointFrame::Magic || !send || word(12) != OwnHandle ||
        word(20) > quint32(EndpointFrame::MaxDataSize))
        return TState::Malformed;
    Header = {word(8), word(12), qint32(word(16)), word(20), word(4) == EndpointFrame::KindSendKeep};
    return Sent.size() >= EndpointFrame::HeaderSize + qsizetype(Header.DataSize) ? TState::Complete
                                                                                 : TState::NeedMore;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const QByteArray sent(reinterpret_cast<const char*>(Data), qsizetype(Size));
    EndpointFrame::THeader expected;
    const EndpointFrame::TState whole = WholeReading(sent, expected);

    for (const qsizetype piece : {qsizetype(1), qsizetype(7), qsizetype(64 * 1024)}) {
        const TVerdict verdict = Receive(sent, piece);
        FUZZ_CHECK(verdict.State == whole, QStringLiteral("piece %1: %2").arg(piece).arg(FuzzShow(sent)));
        if (whole != EndpointFrame::TState::Complete) continue;
        EndpointFrame::THeader header;
        FUZZ_CHECK(EndpointFrame::Inspect(verdict.Frame, OwnHandle, &header) ==
                   EndpointFrame::TState::Complete);
        FUZZ_CHECK(header.Sender == expected.Sender && header.DataId == expected.DataId &&
                   header.DataSize == expected.DataSize && header.Keep == expected.Keep);
        FUZZ_CHECK(verdict.Frame == sent.left(EndpointFrame::HeaderSize + header.DataSize));
        FUZZ_CHECK(EndpointFrame::Missing(verdict.Frame) == 0);
        // the frame as a sender builds it is the frame received
        FUZZ_CHECK(EndpointFrame::EncodeSend(header, verdict.Frame.mid(EndpointFrame::HeaderSize)) ==
                   verdict.Frame);
    }
    // a frame with bytes beyond its end is not one frame
    if (whole == EndpointFrame::TState::Complete &&
        sent.size() > EndpointFrame::HeaderSize + qsizetype(expected.DataSize))
        FUZZ_CHECK(EndpointFrame::Inspect(sent, OwnHandle, nullptr) == EndpointFrame::TState::Malformed);
    FUZZ_CHECK(EndpointFrame::IsAck(sent) == (sent == EndpointFrame::EncodeAck()));
    return 0;
}
