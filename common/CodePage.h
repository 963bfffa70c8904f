// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QString>

#include "gravilo_common_export.h"
// Windows-1252, the code page of texts from older systems (language files that are not UTF-8) and
// of the chart's character marks: bytes 0xA0..0xFF are Latin-1, 0x80..0x9F the code page's own
// characters (euro sign, quotes, dashes, ...).

// The character of a byte. The five bytes the code page leaves unassigned keep their own code
// point, as Windows does.
GRAVILO_COMMON_INNER_EXPORT char16_t Windows1252ToUnicode(unsigned char byte);
// The byte of a character; '?' for a character the code page cannot hold.
GRAVILO_COMMON_INNER_EXPORT char UnicodeToWindows1252(char16_t u);

// Text from another program or an older file: valid UTF-8 as UTF-8, anything else as Windows-1252,
// byte for byte, so that no byte is lost (an initial byte-order mark stays a character).
GRAVILO_COMMON_INNER_EXPORT QString DecodeUtf8OrWindows1252(QByteArrayView bytes);
// The two halves of that rule, for text that comes in pieces: whether the whole is UTF-8, and a
// piece as Windows-1252.
GRAVILO_COMMON_INNER_EXPORT bool IsUtf8(QByteArrayView bytes);
GRAVILO_COMMON_INNER_EXPORT QString DecodeWindows1252(QByteArrayView bytes);
