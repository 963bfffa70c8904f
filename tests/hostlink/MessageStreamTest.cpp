// SPDX-License-Identifier: MIT
// The host link's wire format: strings, numbers, entity records, the stamp and the endpoint data.

#include <gtest/gtest.h>

#include "CodePage.h"
#include "EReadError.h"
#include "LumeoProtocol.h"
#include "TLumeoMessageStream.h"
#include "TqmrCustomDemon.h"

namespace {

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values) bytes.append(char(value));
    return bytes;
}

}  // namespace

TEST(MessageStream, StringsAreLengthAndUtf8) {
    TLumeoMessageStream message;
    message.WriteString(QString());
    EXPECT_EQ(message.Content(), Bytes({0, 0, 0, 0}));
    message.WriteString(QStringLiteral("Höhe"));
    EXPECT_EQ(message.Content().mid(4), Bytes({5, 0, 0, 0}) + QStringLiteral("Höhe").toUtf8());

    message.SetPosition(0);
    EXPECT_EQ(message.ReadString(), QString());
    EXPECT_EQ(message.ReadString(), QStringLiteral("Höhe"));
    EXPECT_EQ(message.Position(), message.Size());
    EXPECT_THROW(message.ReadString(), EReadError);

    // a host on an 8-bit code page: its text is Windows-1252, every byte kept, as a language file
    // that is not UTF-8 is read; the five bytes the code page leaves free keep their code points
    TLumeoMessageStream old;
    old.WriteBytes(Bytes({6, 0, 0, 0}) +
                   "G\xF6"
                   "e\x80\x81!");
    old.SetPosition(0);
    const QString text = old.ReadString();
    EXPECT_EQ(text, QStringLiteral("Göe€\u0081!"));
    QByteArray back;
    for (const QChar c : text) back += UnicodeToWindows1252(c.unicode());
    EXPECT_EQ(back, QByteArray("G\xF6"
                               "e\x80\x81!"));
}

TEST(MessageStream, LengthsAreBelievedOnlyAsFarAsTheMessageReaches) {
    TLumeoMessageStream message;
    message.WriteBytes(Bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "rest");  // -1: the empty text
    message.SetPosition(0);
    EXPECT_EQ(message.ReadString(), QString());
    EXPECT_EQ(message.Position(), 4);

    TLumeoMessageStream hostile;
    hostile.WriteBytes(Bytes({0xFF, 0xFF, 0xFF, 0x7F}) + "abc");  // two gigabytes announced
    hostile.SetPosition(0);
    EXPECT_THROW(hostile.ReadString(), EReadError);
    EXPECT_EQ(hostile.Position(), 0);  // nothing consumed

    TLumeoMessageStream oneShort;
    oneShort.WriteBytes(Bytes({4, 0, 0, 0}) + "abc");
    oneShort.SetPosition(0);
    EXPECT_THROW(oneShort.ReadString(), EReadError);
}

TEST(MessageStream, NumbersAndBytes) {
    TLumeoMessageStream message;
    message.WriteInt32(-2);
    message.WriteUInt32(0x12345678);
    message.WriteBool(true);
    message.WriteByte(7);
    EXPECT_EQ(message.Content(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12, 1, 7}));
    message.SetPosition(0);
    EXPECT_EQ(message.ReadInt32(), -2);
    EXPECT_EQ(message.ReadUInt32(), 0x12345678u);
    EXPECT_TRUE(message.ReadBool());
    EXPECT_TRUE(message.ReadBool());  // any non-zero byte is true
    EXPECT_THROW(message.ReadByte(), EReadError);

    // writing inside the content overwrites, at the end it extends
    message.SetPosition(1);
    message.WriteByte(0);
    EXPECT_EQ(message.Size(), 10);
    EXPECT_EQ(message.Content()[1], '\0');
    TLumeoMessageStream three;
    three.WriteBytes("abc");
    three.SetPosition(0);
    EXPECT_THROW(three.ReadInt32(), EReadError);
    EXPECT_EQ(three.Position(), 0);
}

TEST(MessageStream, EntityRecords) {
    TEntity empty;  // no owner: nobody to refresh it from
    TLumeoMessageStream message;
    empty.WriteToStream(message);
    EXPECT_EQ(message.Size(), 16);
    EXPECT_EQ(message.Content(), QByteArray(16, '\0'));

    TEntity full;
    full.Handle = 0xA1B2C3D4;
    full.ExtraHandle = 99;
    full.ExeName = QStringLiteral("/opt/gravilo/gravilo");
    full.Title = QStringLiteral("Gravilo");
    TLumeoMessageStream record;
    full.WriteToStream(record);
    EXPECT_EQ(record.Size(), 4 + 4 + 4 + 20 + 4 + 7);
    record.SetPosition(0);
    TEntity read;
    read.ReadFromStream(record);
    EXPECT_EQ(read.Handle, full.Handle);
    EXPECT_EQ(read.ExtraHandle, 99u);
    EXPECT_EQ(read.ExeName, full.ExeName);
    EXPECT_EQ(read.Title, full.Title);

    TEntity copy;
    copy.Assign(&full);
    copy.Assign(nullptr);
    EXPECT_EQ(copy.ExeName, full.ExeName);
    EXPECT_EQ(copy.Handle, full.Handle);
}

TEST(MessageStream, MutexAndLanguageFileNames) {
    TEntity entity;
    entity.ExeName = QStringLiteral("/usr/lib/Gravilo.exe");
    EXPECT_EQ(entity.MutexName(), QStringLiteral("LU_Gravilo.exe"));
    entity.ExeName = QStringLiteral("/opt/x/gravilo");
    EXPECT_EQ(entity.MutexName(), QStringLiteral("LU_gravilo"));
    entity.ExeName = QStringLiteral("/opt/x/odd\\name");
    EXPECT_EQ(entity.MutexName(), QStringLiteral("LU_odd_name"));

    EXPECT_EQ(LanguageFileName(QStringLiteral("/opt/x/gravilo")), QStringLiteral("/opt/x/gravilo.itl"));
    EXPECT_EQ(LanguageFileName(QStringLiteral("/opt/x/Gravilo.exe")), QStringLiteral("/opt/x/Gravilo.itl"));
    EXPECT_EQ(LanguageFileName(QStringLiteral("/opt/v1.2/gravilo")), QStringLiteral("/opt/v1.2/gravilo.itl"));
    EXPECT_EQ(LanguageFileName(QStringLiteral("/opt/x/.gravilo")), QStringLiteral("/opt/x/.gravilo.itl"));
}

TEST(MessageStream, StampIsLocalTimeAndDayCount) {
    TLumeoMessageStream message;
    message.SetStamp(QDateTime(QDate(1, 1, 1), QTime(0, 0)));
    EXPECT_EQ(message.StampDate, 1);
    EXPECT_EQ(message.StampTime, 0);
    // the day before day 0 of the date-time day counts, 30 December 1899
    message.SetStamp(QDateTime(QDate(1899, 12, 30), QTime(12, 34, 56, 789)));
    EXPECT_EQ(message.StampDate, 693594);
    EXPECT_EQ(message.StampTime, ((12 * 60 + 34) * 60 + 56) * 1000 + 789);
    message.SetStamp(QDateTime(QDate(2024, 3, 1), QTime(23, 59, 59, 999)));
    EXPECT_EQ(message.StampDate, 693594 + QDate(1899, 12, 30).daysTo(QDate(2024, 3, 1)));
    EXPECT_EQ(message.StampTime, 86399999);
}

TEST(MessageStream, EndpointDataIsStampThenContent) {
    TLumeoMessageStream empty;
    empty.StampTime = 0x01020304;
    empty.StampDate = 0x0A0B0C0D;
    EXPECT_EQ(empty.ToWire(), Bytes({4, 3, 2, 1, 0x0D, 0x0C, 0x0B, 0x0A}));

    TLumeoMessageStream message;
    message.StampTime = 5;
    message.StampDate = 6;
    message.WriteString(QStringLiteral("abc"));
    const auto received = TLumeoMessageStream::FromWire(nullptr, 4100, 77, message.ToWire());
    EXPECT_EQ(received->MsgKind, 4100);
    EXPECT_EQ(received->Entity.Handle, 77u);
    EXPECT_TRUE(received->SameStamp(message));
    EXPECT_EQ(received->Content(), message.Content());
    EXPECT_EQ(received->Position(), 0);
    EXPECT_EQ(received->ReadString(), QStringLiteral("abc"));

    EXPECT_THROW(TLumeoMessageStream::FromWire(nullptr, 4096, 1, QByteArray(7, '\0')), EReadError);
    EXPECT_EQ(TLumeoMessageStream::FromWire(nullptr, 4096, 1, QByteArray(8, '\0'))->Size(), 0);
}

TEST(MessageStream, AssignCopiesEverythingButThePosition) {
    TLumeoMessageStream source;
    source.StampTime = 1;
    source.StampDate = 2;
    source.MsgKind = hmReply;
    source.Entity.Handle = 3;
    source.Entity.Title = QStringLiteral("t");
    source.WriteString(QStringLiteral("content"));

    TLumeoMessageStream target;
    target.WriteBytes("xy");
    target.SetPosition(1);
    target.Assign(source);
    EXPECT_EQ(target.Position(), 1);
    EXPECT_EQ(target.Content(), source.Content());
    EXPECT_TRUE(target.SameStamp(source));
    EXPECT_EQ(target.MsgKind, source.MsgKind);
    EXPECT_EQ(target.Entity.Handle, 3u);
    EXPECT_EQ(target.Entity.Title, QStringLiteral("t"));
}
