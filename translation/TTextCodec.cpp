#include "TTextCodec.h"

#include "CodePage.h"

namespace {

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) *out++ = QChar(Windows1252ToUnicode(static_cast<unsigned char>(c)));
    return text;
}

QByteArray EncodeWindows1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) *out++ = UnicodeToWindows1252(c.unicode());
    return bytes;
}

}  // namespace

QString TTextCodec::Decode(const QByteArray& bytes, TTextEncoding encoding) {
    return encoding == TTextEncoding::teUtf8 ? QString::fromUtf8(bytes) : DecodeWindows1252(bytes);
}

QByteArray TTextCodec::Encode(const QString& text, TTextEncoding encoding) {
    return encoding == TTextEncoding::teUtf8 ? text.toUtf8() : EncodeWindows1252(text);
}

void TUtf8Check::Feed(const char* data, qsizetype size) {
    for (qsizetype i = 0; i < size && FValid; ++i) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (FPending > 0) {
            FValid = c >= FLow && c <= FHigh;
            FLow = 0x80;
            FHigh = 0xBF;
            --FPending;
        } else if (c < 0x80) {
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            FPending = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            FPending = 2;
            if (c == 0xE0) FLow = 0xA0;   // overlong
            if (c == 0xED) FHigh = 0x9F;  // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            FPending = 3;
            if (c == 0xF0) FLow = 0x90;   // overlong
            if (c == 0xF4) FHigh = 0x8F;  // above U+10FFFF
        } else {
            FValid = false;
        }
    }
}
