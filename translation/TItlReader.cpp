#include "TItlReader.h"

#include <algorithm>

#include "EReadError.h"

namespace {

QString StreamFailure(const QIODevice& stream, const char* what) {
    const QString reason = stream.errorString();
    return QStringLiteral("Cannot %1 the language stream: %2").arg(QLatin1String(what), reason);
}

}  // namespace

TItlReader::TItlReader(QIODevice& stream) : FStream(stream) {
    if (!FStream.isReadable()) throw EReadError(StreamFailure(FStream, "read"));
    if (FStream.isSequential()) throw EReadError(StreamFailure(FStream, "rewind"));
    Seek(0);
}

bool TItlReader::NextRecord(QByteArray& record) {
    const qint64 start = FStream.pos();
    QByteArray text;
    for (;;) {
        // a terminator that began in the block before ends in this one
        const qsizetype searchFrom = std::max<qsizetype>(0, text.size() - 2);
        const qsizetype got = ReadBlock(text);
        const qsizetype at = text.indexOf(KTerminator, searchFrom);
        if (at >= 0) {
            const qsizetype end = at + 3;
            record = text.left(end);
            Seek(start + end);
            return true;
        }
        if (got < KBlockSize) return false;
    }
}

qsizetype TItlReader::ReadBlock(QByteArray& text) {
    const qint64 position = FStream.pos();
    const qsizetype old = text.size();
    text.resize(old + KBlockSize);
    qsizetype got = 0;
    while (got < KBlockSize) {
        const qint64 n = FStream.read(text.data() + old + got, KBlockSize - got);
        if (n < 0) throw EReadError(StreamFailure(FStream, "read"));
        if (n == 0) break;
        got += n;
    }
    text.resize(old + got);
    // a record is read again from its start after the one before it ends; check each byte once
    const qint64 fresh = std::max<qint64>(0, position + got - std::max(position, FCheckedTo));
    FUtf8.Feed(text.constData() + old + got - fresh, fresh);
    FCheckedTo = std::max(FCheckedTo, position + got);
    return got;
}

void TItlReader::Seek(qint64 position) {
    if (!FStream.seek(position)) throw EReadError(StreamFailure(FStream, "position"));
}

TItlRecord TItlRecord::Parse(const QByteArray& record) {
    const qsizetype open = record.indexOf('[');        // -1 when there is none
    const qsizetype separator = record.indexOf("]=");  // -1 when there is none
    const qsizetype terminator = record.size() - 3;
    TItlRecord parts;
    const qsizetype keyStart = open + 1;
    if (separator > keyStart) parts.RawKey = record.mid(keyStart, separator - keyStart);
    const qsizetype valueStart = separator + 2;
    if (terminator > valueStart) parts.RawValue = record.mid(valueStart, terminator - valueStart);
    return parts;
}
