// SPDX-License-Identifier: MIT
#pragma once
// Reads the records of a language file from a stream, one at a time. A record is everything from
// the end of the record before it up to and including the first terminator "|$$".
//
// The reader takes the stream once from its start to its end, in blocks of 256 bytes, and keeps
// what it read past a terminator for the next record: no byte is read twice and the stream is
// never moved back, so a file of many short records reads as fast as one long one. Each search
// looks only at what a block added (with the two bytes before it, where a terminator may begin).
// When the reader has found the last record, the stream is at its end.
//
// The stream must be open for reading and rewindable (a file, a buffer). Failures raise EReadError.

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

#include "TTextCodec.h"

class TItlReader {
public:
    static constexpr qsizetype KBlockSize = 256;
    static constexpr const char* KTerminator = "|$$";

    // Rewinds the stream to its start.
    explicit TItlReader(QIODevice& stream);

    // The next record, terminator included, valid until the next call; false when the rest of
    // the stream holds none.
    bool NextRecord(QByteArrayView& record);

    // Whether every byte read so far is well-formed UTF-8.
    bool IsUtf8() const { return FUtf8.IsValid(); }

private:
    qsizetype ReadBlock();

    QIODevice& FStream;
    TUtf8Check FUtf8;
    QByteArray FText;  // bytes read and not yet handed out, from FFrom on
    qsizetype FFrom = 0;
    bool FAtEnd = false;  // a short block came: the stream has nothing more
};

// The parts of one record: the key and the value between "[", "]=" and the terminator, raw.
struct TItlRecord {
    QByteArrayView RawKey;
    QByteArrayView RawValue;

    // A record without "[" takes its key from its first byte, one without "]=" has an empty key;
    // the value then starts at the record's second byte.
    static TItlRecord Parse(QByteArrayView record);
};
