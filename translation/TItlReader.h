#pragma once
// Reads the records of a language file from a stream, one at a time. A record is everything from
// the reader's position up to and including the first terminator "|$$"; the stream is left just
// after it. The reader takes the stream in blocks of 256 bytes and looks only at what each block
// adds (with the two bytes before it, where a terminator may begin), so a long file without a
// terminator costs time in proportion to its size.
//
// The stream must be open for reading and random access (a file, a buffer): reading a record may
// run past the terminator, and the reader steps back to it. Failures raise EReadError.

#include <QByteArray>
#include <QIODevice>

#include "TTextCodec.h"

class TItlReader {
public:
    static constexpr qsizetype KBlockSize = 256;
    static constexpr const char* KTerminator = "|$$";

    // Rewinds the stream to its start.
    explicit TItlReader(QIODevice& stream);

    // The next record, terminator included; false when the rest of the stream holds none.
    bool NextRecord(QByteArray& record);

    // Whether every byte read so far is well-formed UTF-8.
    bool IsUtf8() const { return FUtf8.IsValid(); }

private:
    qsizetype ReadBlock(QByteArray& text);
    void Seek(qint64 position);

    QIODevice& FStream;
    TUtf8Check FUtf8;
    qint64 FCheckedTo = 0;  // bytes of the stream already fed to the UTF-8 check
};

// The parts of one record: the key and the value between "[", "]=" and the terminator, raw.
struct TItlRecord {
    QByteArray RawKey;
    QByteArray RawValue;

    // A record without "[" takes its key from its first byte, one without "]=" has an empty key;
    // the value then starts at the record's second byte.
    static TItlRecord Parse(const QByteArray& record);
};
