// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QBuffer>
#include <QRandomGenerator>

#include "EReadError.h"
#include "TGlossator.h"
#include "TItlReader.h"

namespace {

void Load(TGlossator& dictionary, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    dictionary.LoadFromStream(buffer);
}

// The records of a text as the file format defines them, found in one piece.
QByteArrayList RecordsOf(const QByteArray& bytes) {
    QByteArrayList records;
    qsizetype from = 0;
    for (qsizetype at; (at = bytes.indexOf("|$$", from)) >= 0; from = at + 3)
        records.append(bytes.mid(from, at + 3 - from));
    return records;
}

QByteArrayList ReadAll(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TItlReader reader(buffer);
    QByteArrayList records;
    for (QByteArrayView record; reader.NextRecord(record);) records.append(record.toByteArray());
    return records;
}

// A stream that counts what is read from it and fails after a number of bytes, like a file on a
// vanished drive.
class TFailingDevice : public QIODevice {
public:
    TFailingDevice(QByteArray data, qint64 failAt) : FData(std::move(data)), FFailAt(failAt) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    qint64 size() const override { return FData.size(); }
    qint64 Read = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (pos() >= FFailAt) {
            setErrorString(QStringLiteral("device gone"));
            return -1;
        }
        const qint64 n = std::min(maxSize, std::min<qint64>(FFailAt, FData.size()) - pos());
        std::memcpy(data, FData.constData() + pos(), size_t(n));
        Read += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray FData;
    qint64 FFailAt;
};

}  // namespace

TEST(LoadFromStream, RecordsGiveNormalisedKeysAndProcessedValues) {
    TGlossator dictionary("Gravilo");
    Load(dictionary,
         "\xef\xbb\xbf[EXIT]=Beenden|$$\r\n"
         "[Potential\r\nEnergy]=Lage\r\nenergie|$$\r\n"
         "lead-in [Key]=a=b]=c|$$ trailing text without terminator");
    EXPECT_EQ(dictionary.Keys(), QByteArrayList({"exit", "potential energy", "key"}));
    EXPECT_EQ(dictionary.Values(), QByteArrayList({"Beenden", "Lage  energie", "a=b]=c"}));
}

TEST(LoadFromStream, MalformedRecordsStillGiveEntries) {
    TGlossator dictionary;
    // no "]=": the key is empty and the value starts at the record's second byte
    Load(dictionary, "[no separator|$$");
    EXPECT_EQ(dictionary.Keys(), QByteArrayList({""}));
    EXPECT_EQ(dictionary.Values(), QByteArrayList({"no separator"}));

    // no "[": the key starts at the record's first byte
    Load(dictionary, "\r\nkey]=value|$$");
    EXPECT_EQ(dictionary.Keys(), QByteArrayList({"key"}));
    EXPECT_EQ(dictionary.Values(), QByteArrayList({"value"}));

    // "]=" before "[", a white-space key, an empty record
    Load(dictionary, "]=x[y|$$[ \t\r\n]=blank|$$|$$[]=|$$");
    EXPECT_EQ(dictionary.Keys(), QByteArrayList({"", "", "", ""}));
    EXPECT_EQ(dictionary.Values(), QByteArrayList({"x[y", "blank", "", ""}));
}

TEST(LoadFromStream, NothingWithoutATerminator) {
    TGlossator dictionary;
    Load(dictionary, "");
    EXPECT_TRUE(dictionary.Keys().isEmpty());
    Load(dictionary, "[Exit]=Beenden|$\r\n[Mass]=Masse");
    EXPECT_TRUE(dictionary.Keys().isEmpty());
    EXPECT_TRUE(dictionary.Values().isEmpty());
}

TEST(LoadFromStream, ALaterLoadReplacesTheEntriesAndStartsFromTheBeginning) {
    TGlossator dictionary;
    Load(dictionary, "[a]=1|$$[b]=2|$$");
    QBuffer buffer;
    buffer.setData("[c]=3|$$");
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(5);
    dictionary.LoadFromStream(buffer);
    EXPECT_EQ(dictionary.Keys(), QByteArrayList({"c"}));
    EXPECT_EQ(dictionary.Translate("a"), "a");
}

TEST(LoadFromStream, EncodingFollowsTheWholeFile) {
    TGlossator dictionary;
    Load(dictionary, "[Height]=H\xc3\xb6he|$$");
    EXPECT_EQ(dictionary.Encoding(), TTextEncoding::teUtf8);
    EXPECT_EQ(dictionary.TranslateText("Height"), QString::fromUtf8("Höhe"));

    // one byte that is not UTF-8, even after the last record, makes it a Windows-1252 file
    Load(dictionary, "[Height]=H\xc3\xb6he|$$ \xff");
    EXPECT_EQ(dictionary.Encoding(), TTextEncoding::teWindows1252);
    EXPECT_EQ(dictionary.TranslateText("Height"), QString::fromUtf8("HÃ¶he"));

    Load(dictionary, "[Height]=H\xf6he|$$");
    EXPECT_EQ(dictionary.TranslateText("Height"), QString::fromUtf8("Höhe"));
}

TEST(ItlReader, TerminatorsAcrossBlockBordersEndTheirRecords) {
    // terminators that start 2, 1 and 0 bytes before the end of a block, and right at its start
    for (qsizetype start : {254, 255, 256, 257, 510, 511, 512}) {
        QByteArray bytes(start, 'x');
        bytes += "|$$tail|$$";
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        TItlReader reader(buffer);
        QByteArrayView record;
        ASSERT_TRUE(reader.NextRecord(record)) << start;
        EXPECT_EQ(record.size(), start + 3) << start;
        ASSERT_TRUE(reader.NextRecord(record)) << start;
        EXPECT_EQ(record, "tail|$$") << start;
        EXPECT_FALSE(reader.NextRecord(record)) << start;
        EXPECT_TRUE(buffer.atEnd()) << start;
    }
}

TEST(ItlReader, AgreesWithAOnePieceReadingOnRandomText) {
    // random bytes over a small alphabet, so that terminators and near-misses ("|$", "$$|") are
    // frequent and fall everywhere relative to the blocks
    QRandomGenerator random(1234);
    const char alphabet[] = "|$$[]=ab\r\n";
    for (int round = 0; round < 40; ++round) {
        QByteArray bytes(random.bounded(1, 3000), Qt::Uninitialized);
        const int spread = round % 2 ? 4 : 10;  // "|$$[" only, or everything
        for (char& c : bytes) c = alphabet[random.bounded(spread)];
        EXPECT_EQ(ReadAll(bytes), RecordsOf(bytes)) << round;
    }
}

TEST(ItlReader, LongRecordsAndLongTextWithoutTerminator) {
    const QByteArray longValue(100000, 'v');
    const QByteArray bytes = "[k]=" + longValue + "|$$\r\n[j]=" + longValue;
    EXPECT_EQ(ReadAll(bytes), QByteArrayList({"[k]=" + longValue + "|$$"}));

    // a large file of random bytes: read in one pass over it, with the records a one-piece reading
    // finds (a file this size hung the program when every block searched all that came before)
    QByteArray noise(20 * 1024 * 1024, Qt::Uninitialized);
    QRandomGenerator random(99);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    TGlossator dictionary;
    QBuffer buffer;
    buffer.setData(noise);
    buffer.open(QIODevice::ReadOnly);
    dictionary.LoadFromStream(buffer);
    EXPECT_EQ(dictionary.Keys().size(), RecordsOf(noise).size());
    EXPECT_EQ(dictionary.Encoding(), TTextEncoding::teWindows1252);
}

TEST(LoadFromStream, ManyShortRecordsAreReadInOnePass) {
    const QByteArray bytes = QByteArray("|$$").repeated(100000) + "[k]=v|$$ and the rest";
    TFailingDevice device(bytes, bytes.size() + 1);  // it never fails
    TGlossator dictionary;
    dictionary.LoadFromStream(device);
    EXPECT_EQ(device.Read, bytes.size()) << "bytes read again";
    EXPECT_EQ(dictionary.EntryCount(), 100001);
    EXPECT_EQ(dictionary.Translate("K"), "v");
}

TEST(LoadFromStream, ReadErrorsReachTheCallerAndLeaveNoEntries) {
    TGlossator dictionary;
    Load(dictionary, "[old]=alt|$$");
    QByteArray bytes = "[a]=1|$$";
    bytes += QByteArray(1000, 'x');
    TFailingDevice device(bytes, 600);
    try {
        dictionary.LoadFromStream(device);
        FAIL() << "no error raised";
    } catch (const EReadError& error) {
        EXPECT_TRUE(error.Message().contains(QStringLiteral("device gone"))) << error.what();
    }
    EXPECT_TRUE(dictionary.Keys().isEmpty());
    EXPECT_EQ(dictionary.Translate("old"), "old");

    QBuffer closed;
    EXPECT_THROW(dictionary.LoadFromStream(closed), EReadError);
}
