// SPDX-License-Identifier: MIT
#include "TTextCodec.h"

#include "CodePage.h"

namespace {

// The length of the well-formed multi-byte UTF-8 sequence at b, or 0 when there is none.
int SequenceLength(const unsigned char* b, qsizetype available) {
    int continuations = 0;
    unsigned char low = 0, high = 0;
    if (!TUtf8Check::Lead(b[0], continuations, low, high) || continuations >= available) return 0;
    for (int k = 1; k <= continuations; ++k) {
        if (b[k] < low || b[k] > high) return 0;
        low = 0x80;
        high = 0xBF;
    }
    return continuations + 1;
}

QByteArray EncodeWindows1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) *out++ = UnicodeToWindows1252(c.unicode());
    return bytes;
}

}  // namespace

QString TTextCodec::Decode(const QByteArray& bytes, TTextEncoding encoding) {
    return WithFewMarks(encoding == TTextEncoding::teUtf8 ? QString::fromUtf8(bytes)
                                                          : DecodeWindows1252(bytes));
}

QString TTextCodec::WithFewMarks(QString text) {
    // a mark that follows KMaxMarksPerCharacter others goes; the common case keeps its text as it is
    qsizetype out = 0, run = 0;
    bool dropped = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        run = c.isMark() ? run + 1 : 0;
        if (run > KMaxMarksPerCharacter) {
            dropped = true;
            continue;
        }
        if (dropped) text[out] = c;
        ++out;
    }
    text.truncate(out);
    return text;
}

QByteArray TTextCodec::Encode(const QString& text, TTextEncoding encoding) {
    return encoding == TTextEncoding::teUtf8 ? text.toUtf8() : EncodeWindows1252(text);
}

QString TTextCodec::DecodeLenient(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0; i < bytes.size();) {
        const int n = SequenceLength(b + i, bytes.size() - i);
        if (n == 0) {
            text.append(QChar(Windows1252ToUnicode(b[i++])));
            continue;
        }
        char32_t code = b[i] & (0x7F >> n);
        for (int k = 1; k < n; ++k) code = (code << 6) | (b[i + k] & 0x3F);
        text.append(QChar::fromUcs4(code));
        i += n;
    }
    return text;
}

bool TUtf8Check::Lead(unsigned char c, int& continuations, unsigned char& low, unsigned char& high) {
    low = 0x80;
    high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        continuations = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
        continuations = 2;
        if (c == 0xE0) low = 0xA0;   // overlong
        if (c == 0xED) high = 0x9F;  // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        continuations = 3;
        if (c == 0xF0) low = 0x90;   // overlong
        if (c == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
        return false;
    }
    return true;
}

void TUtf8Check::Feed(const char* data, qsizetype size) {
    for (qsizetype i = 0; i < size && FValid; ++i) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (FPending > 0) {
            FValid = c >= FLow && c <= FHigh;
            FLow = 0x80;
            FHigh = 0xBF;
            --FPending;
        } else if (c >= 0x80) {
            FValid = Lead(c, FPending, FLow, FHigh);
        }
    }
}
