// SPDX-License-Identifier: MIT
#pragma once

#include "gravilo_toolkit_export.h"
// Windows-1252, the code page of texts from older systems (language files that are not UTF-8) and
// of the chart's character marks: bytes 0xA0..0xFF are Latin-1, 0x80..0x9F the code page's own
// characters (euro sign, quotes, dashes, ...).

// The character of a byte. The five bytes the code page leaves unassigned keep their own code
// point, as Windows does.
GRAVILO_TOOLKIT_EXPORT char16_t Windows1252ToUnicode(unsigned char byte);
// The byte of a character; '?' for a character the code page cannot hold.
GRAVILO_TOOLKIT_EXPORT char UnicodeToWindows1252(char16_t u);
