// SPDX-License-Identifier: MIT
#include "CodePage.h"

#include <QStringDecoder>

namespace {

constexpr char16_t HighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char16_t Windows1252ToUnicode(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char16_t(byte);
}

char UnicodeToWindows1252(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (HighControls[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

QString DecodeUtf8OrWindows1252(QByteArrayView bytes) {
    return IsUtf8(bytes) ? QString::fromUtf8(bytes) : DecodeWindows1252(bytes);
}

bool IsUtf8(QByteArrayView bytes) {
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    [[maybe_unused]] const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

QString DecodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) *out++ = QChar(Windows1252ToUnicode(static_cast<unsigned char>(c)));
    return text;
}
