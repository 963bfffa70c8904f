// SPDX-License-Identifier: MIT
#include "TItlReader.h"

#include <algorithm>
#include <cstring>

#include "EReadError.h"

namespace {

// The first needle at or after from, or -1: a search for its first byte, then a look at the rest.
// Records are short and many; a general search costs more to set up than to run on them.
qsizetype Find(QByteArrayView text, QByteArrayView needle, qsizetype from = 0) {
    const qsizetype last = text.size() - needle.size();  // where a needle can begin at the latest
    for (qsizetype at = from; at <= last; ++at) {
        const void* hit = std::memchr(text.data() + at, needle[0], size_t(last - at + 1));
        if (!hit) return -1;
        at = static_cast<const char*>(hit) - text.data();
        if (std::memcmp(text.data() + at + 1, needle.data() + 1, size_t(needle.size() - 1)) == 0) return at;
    }
    return -1;
}

QString StreamFailure(const QIODevice& stream, const char* what) {
    const QString reason = stream.errorString();
    return QStringLiteral("Cannot %1 the language stream: %2").arg(QLatin1String(what), reason);
}

}  // namespace

TItlReader::TItlReader(QIODevice& stream) : FStream(stream) {
    if (!FStream.isReadable()) throw EReadError(StreamFailure(FStream, "read"));
    if (FStream.isSequential() || !FStream.seek(0)) throw EReadError(StreamFailure(FStream, "rewind"));
}

bool TItlReader::NextRecord(QByteArrayView& record) {
    qsizetype searchFrom = FFrom;
    for (;;) {
        const qsizetype at = Find(FText, KTerminator, searchFrom);
        if (at >= 0) {
            const qsizetype end = at + 3;
            record = QByteArrayView(FText).sliced(FFrom, end - FFrom);
            FFrom = end;
            return true;
        }
        if (FAtEnd) {
            // the unterminated rest is no record
            FText.clear();
            FFrom = 0;
            return false;
        }
        // what was handed out goes before the next block comes (moved by hand: the buffer keeps
        // its room at the front); a terminator that began in the block before ends in this one
        const qsizetype rest = FText.size() - FFrom;
        if (FFrom > 0) std::memmove(FText.data(), FText.constData() + FFrom, size_t(rest));
        FText.resize(rest);
        FFrom = 0;
        searchFrom = std::max<qsizetype>(0, FText.size() - 2);
        FAtEnd = ReadBlock() < KBlockSize;
    }
}

qsizetype TItlReader::ReadBlock() {
    const qsizetype old = FText.size();
    FText.resize(old + KBlockSize);
    qsizetype got = 0;
    while (got < KBlockSize) {
        const qint64 n = FStream.read(FText.data() + old + got, KBlockSize - got);
        if (n < 0) throw EReadError(StreamFailure(FStream, "read"));
        if (n == 0) break;
        got += n;
    }
    FText.resize(old + got);
    FUtf8.Feed(FText.constData() + old, got);
    return got;
}

TItlRecord TItlRecord::Parse(QByteArrayView record) {
    const qsizetype open = record.indexOf('[');      // -1 when there is none
    const qsizetype separator = Find(record, "]=");  // -1 when there is none
    const qsizetype terminator = record.size() - 3;
    TItlRecord parts;
    const qsizetype keyStart = open + 1;
    if (separator > keyStart) parts.RawKey = record.sliced(keyStart, separator - keyStart);
    const qsizetype valueStart = separator + 2;
    if (terminator > valueStart) parts.RawValue = record.sliced(valueStart, terminator - valueStart);
    return parts;
}
