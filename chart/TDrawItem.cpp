// SPDX-License-Identifier: MIT
#include "TDrawItem.h"

#include <cstring>

void TDrawItem::SetText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    int n = std::min<int>(utf8.size(), TextCapacity);
    // never leave half a character behind: back up over continuation bytes
    if (n < utf8.size())
        while (n > 0 && (static_cast<unsigned char>(utf8[n]) & 0xC0) == 0x80) --n;
    std::memcpy(TextBytes, utf8.constData(), n);
    TextLength = static_cast<std::uint8_t>(n);
}
