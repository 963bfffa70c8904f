// SPDX-License-Identifier: MIT
#pragma once
// One message of the host link, held in memory: a kind, a stamp, the sending endpoint, and content
// bytes read and written at a position like a memory stream. Integers are little-endian; strings
// are a 32-bit length and that many bytes of UTF-8.
//
// On the endpoint the data identifier is the kind and the data is the stamp (time, then date,
// 4 bytes each) followed by the content.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>

#include "TEntity.h"
#include "gravilo_messaging_export.h"

class TLumeoLink;

class GRAVILO_MESSAGING_EXPORT TLumeoMessageStream {
public:
    explicit TLumeoMessageStream(TLumeoLink* AOwner = nullptr) : Entity(AOwner), FOwner(AOwner) {}

    qint32 StampTime = 0;  // local time of sending, milliseconds since midnight
    qint32 StampDate = 0;  // local date of sending, days since 1 January of year 1, plus one
    TEntity Entity;        // received messages: the sender, Handle only
    qint32 MsgKind = 0;

    TLumeoLink* Owner() const { return FOwner; }
    void SetOwner(TLumeoLink* AOwner) { FOwner = AOwner; }

    // ---- the memory stream ----
    const QByteArray& Content() const { return FContent; }
    qint64 Size() const { return FContent.size(); }
    qint64 Position() const { return FPosition; }
    void SetPosition(qint64 APosition) { FPosition = qBound<qint64>(0, APosition, Size()); }
    void Clear();

    // Writes at the position, extending the content as needed.
    void Write(const char* Data, qint64 Count);
    void WriteBytes(const QByteArray& Data) { Write(Data.constData(), Data.size()); }
    // Reads exactly Count bytes, or raises EReadError and leaves the position where it was.
    void ReadBuffer(char* Data, qint64 Count);
    // Everything from the position to the end.
    QByteArray ReadRest();

    // ---- typed content ----
    void WriteString(const QString& Text);
    // A negative or zero length reads as the empty text; a length beyond the end is a read error.
    QString ReadString();
    void WriteByte(quint8 Value) { Write(reinterpret_cast<const char*>(&Value), 1); }
    quint8 ReadByte();
    void WriteBool(bool Value) { WriteByte(Value ? 1 : 0); }
    bool ReadBool() { return ReadByte() != 0; }
    void WriteInt32(qint32 Value);
    qint32 ReadInt32();
    void WriteUInt32(quint32 Value) { WriteInt32(qint32(Value)); }
    quint32 ReadUInt32() { return quint32(ReadInt32()); }

    // Copies stamp, entity, kind and the whole content; the position stays.
    void Assign(const TLumeoMessageStream& Other);
    // Sends this message through its owner (see TLumeoLink::SendTo).
    void SendTo(const TEntity& Target, TLumeoMessageStream* Reply = nullptr);

    void SetStamp(const QDateTime& When);
    bool SameStamp(const TLumeoMessageStream& Other) const {
        return StampTime == Other.StampTime && StampDate == Other.StampDate;
    }

    // The endpoint data: stamp and content.
    QByteArray ToWire() const;
    // A received message from its endpoint data, rewound; EReadError when the data cannot hold
    // a stamp (fewer than 8 bytes).
    static std::unique_ptr<TLumeoMessageStream> FromWire(TLumeoLink* AOwner, qint32 DataId, quint32 Sender,
                                                         const QByteArray& Data);

private:
    TLumeoLink* FOwner;
    QByteArray FContent;
    qint64 FPosition = 0;
};
