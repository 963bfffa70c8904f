// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>

#include "TEntity.h"
#include "gravilo_messaging_export.h"

class TLumeoLink;

/// One message of the host link, held in memory: a kind, a stamp, the sending endpoint, and content
/// bytes read and written at a position like a memory stream. Integers are little-endian; strings
/// are a 32-bit length and that many bytes of UTF-8.
///
/// On the endpoint the data identifier is the kind and the data is the stamp (time, then date,
/// 4 bytes each) followed by the content.
class GRAVILO_MESSAGING_EXPORT TLumeoMessageStream {
public:
    /// An empty message sent through AOwner; its entity asks AOwner too. None when it is null.
    explicit TLumeoMessageStream(TLumeoLink* AOwner = nullptr) : Entity(AOwner), FOwner(AOwner) {}

    qint32 StampTime = 0;  ///< local time of sending, milliseconds since midnight
    qint32 StampDate = 0;  ///< local date of sending, days since 1 January of year 1, plus one
    TEntity Entity;        ///< received messages: the sender, Handle only
    qint32 MsgKind = 0;    ///< the kind of message: the data identifier on the endpoint

    /// The link the message is sent through; null for none.
    TLumeoLink* Owner() const { return FOwner; }
    /// Sets the link the message is sent through; null for none. The entity keeps its own owner.
    void SetOwner(TLumeoLink* AOwner) { FOwner = AOwner; }

    // ---- the memory stream ----
    /// All content bytes, whatever the position.
    const QByteArray& Content() const { return FContent; }
    /// The number of content bytes.
    qint64 Size() const { return FContent.size(); }
    /// Where the next read or write begins, 0 to Size().
    qint64 Position() const { return FPosition; }
    /// Moves the position; a value outside 0 to Size() is taken as the nearer end.
    void SetPosition(qint64 APosition) { FPosition = qBound<qint64>(0, APosition, Size()); }
    /// Empties the content and rewinds; stamp, entity and kind stay.
    void Clear();

    /// Writes at the position, extending the content as needed.
    void Write(const char* Data, qint64 Count);
    /// Writes the bytes of Data at the position.
    void WriteBytes(const QByteArray& Data) { Write(Data.constData(), Data.size()); }
    /// Reads exactly Count bytes, or raises EReadError and leaves the position where it was.
    void ReadBuffer(char* Data, qint64 Count);
    /// Everything from the position to the end.
    QByteArray ReadRest();

    // ---- typed content ----
    /// Writes Text as a 32-bit length and that many bytes of UTF-8.
    void WriteString(const QString& Text);
    /// A negative or zero length reads as the empty text; a length beyond the end is a read error
    /// (EReadError, the position where it was). Bytes that are not valid UTF-8 read as Windows-1252.
    QString ReadString();
    /// Writes one byte.
    void WriteByte(quint8 Value) { Write(reinterpret_cast<const char*>(&Value), 1); }
    /// Reads one byte; EReadError at the end.
    quint8 ReadByte();
    /// Writes a byte: 1 for true, 0 for false.
    void WriteBool(bool Value) { WriteByte(Value ? 1 : 0); }
    /// Reads a byte: any but 0 is true; EReadError at the end.
    bool ReadBool() { return ReadByte() != 0; }
    /// Writes 4 bytes, little-endian.
    void WriteInt32(qint32 Value);
    /// Reads 4 bytes, little-endian; EReadError when fewer are left.
    qint32 ReadInt32();
    /// Writes 4 bytes, little-endian.
    void WriteUInt32(quint32 Value) { WriteInt32(qint32(Value)); }
    /// Reads 4 bytes, little-endian; EReadError when fewer are left.
    quint32 ReadUInt32() { return quint32(ReadInt32()); }

    /// Copies stamp, entity, kind and the whole content; the position stays.
    void Assign(const TLumeoMessageStream& Other);
    /// Sends this message through its owner (see TLumeoLink::SendTo); without an owner nothing
    /// happens.
    void SendTo(const TEntity& Target, TLumeoMessageStream* Reply = nullptr);

    /// Stamps the message with When's time of day and date (see StampTime and StampDate).
    void SetStamp(const QDateTime& When);
    /// Whether Other carries the same stamp: a reply carries its request's.
    bool SameStamp(const TLumeoMessageStream& Other) const {
        return StampTime == Other.StampTime && StampDate == Other.StampDate;
    }

    /// The endpoint data: stamp and content.
    QByteArray ToWire() const;
    /// A received message from its endpoint data, rewound; EReadError when the data cannot hold
    /// a stamp (fewer than 8 bytes). DataId becomes its kind, Sender its entity's handle, and AOwner
    /// its owner.
    static std::unique_ptr<TLumeoMessageStream> FromWire(TLumeoLink* AOwner, qint32 DataId, quint32 Sender,
                                                         const QByteArray& Data);

private:
    TLumeoLink* FOwner;
    QByteArray FContent;
    qint64 FPosition = 0;
};
