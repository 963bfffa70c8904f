// SPDX-License-Identifier: MIT
#include "TLumeoMessageStream.h"

#include <QtEndian>

#include "CodePage.h"
#include "EReadError.h"
#include "TLumeoLink.h"

namespace {

constexpr qint64 StampSize = 8;

}  // namespace

void TLumeoMessageStream::Clear() {
    FContent.clear();
    FPosition = 0;
}

void TLumeoMessageStream::Write(const char* Data, qint64 Count) {
    if (Count <= 0) return;
    if (FPosition + Count > Size()) FContent.resize(FPosition + Count);
    memcpy(FContent.data() + FPosition, Data, size_t(Count));
    FPosition += Count;
}

void TLumeoMessageStream::ReadBuffer(char* Data, qint64 Count) {
    if (Count < 0 || Count > Size() - FPosition) throw EReadError();
    memcpy(Data, FContent.constData() + FPosition, size_t(Count));
    FPosition += Count;
}

QByteArray TLumeoMessageStream::ReadRest() {
    const QByteArray rest = FContent.mid(FPosition);
    FPosition = Size();
    return rest;
}

void TLumeoMessageStream::WriteString(const QString& Text) {
    const QByteArray bytes = Text.toUtf8();
    WriteInt32(qint32(bytes.size()));
    WriteBytes(bytes);
}

QString TLumeoMessageStream::ReadString() {
    const qint64 start = FPosition;
    const qint32 length = ReadInt32();
    if (length <= 0) return {};
    // a length is believed only as far as the message reaches: a broken or hostile peer must not
    // make us reserve gigabytes for a text that is not there
    if (length > Size() - FPosition) {
        FPosition = start;
        throw EReadError();
    }
    // a host on an 8-bit code page sends its umlauts as they are
    const QString text = DecodeUtf8OrWindows1252(QByteArrayView(FContent.constData() + FPosition, length));
    FPosition += length;
    return text;
}

quint8 TLumeoMessageStream::ReadByte() {
    char value = 0;
    ReadBuffer(&value, 1);
    return quint8(value);
}

void TLumeoMessageStream::WriteInt32(qint32 Value) {
    char raw[4];
    qToLittleEndian(Value, raw);
    Write(raw, 4);
}

qint32 TLumeoMessageStream::ReadInt32() {
    char raw[4];
    ReadBuffer(raw, 4);
    return qFromLittleEndian<qint32>(raw);
}

void TLumeoMessageStream::Assign(const TLumeoMessageStream& Other) {
    StampTime = Other.StampTime;
    StampDate = Other.StampDate;
    Entity.Assign(&Other.Entity);
    MsgKind = Other.MsgKind;
    FContent = Other.FContent;
    FPosition = qMin(FPosition, Size());
}

void TLumeoMessageStream::SendTo(const TEntity& Target, TLumeoMessageStream* Reply) {
    if (FOwner) FOwner->SendTo(Target, *this, Reply);
}

void TLumeoMessageStream::SetStamp(const QDateTime& When) {
    static const QDate dayOne(1, 1, 1);
    StampTime = When.time().msecsSinceStartOfDay();
    StampDate = qint32(dayOne.daysTo(When.date()) + 1);
}

QByteArray TLumeoMessageStream::ToWire() const {
    QByteArray data(StampSize, Qt::Uninitialized);
    qToLittleEndian(StampTime, data.data());
    qToLittleEndian(StampDate, data.data() + 4);
    data.append(FContent);
    return data;
}

std::unique_ptr<TLumeoMessageStream> TLumeoMessageStream::FromWire(TLumeoLink* AOwner, qint32 DataId,
                                                                   quint32 Sender, const QByteArray& Data) {
    if (Data.size() < StampSize) throw EReadError();
    auto message = std::make_unique<TLumeoMessageStream>(AOwner);
    message->MsgKind = DataId;
    message->StampTime = qFromLittleEndian<qint32>(Data.constData());
    message->StampDate = qFromLittleEndian<qint32>(Data.constData() + 4);
    message->FContent = Data.mid(StampSize);
    message->Entity.Handle = Sender;
    return message;
}
