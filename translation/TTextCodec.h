// SPDX-License-Identifier: MIT
#pragma once
// Language files are bytes. A file that is valid UTF-8 is read as UTF-8; any other file comes from
// an older system and is read as Windows-1252, so its umlauts survive. The dictionary keeps its
// keys and values as bytes and turns them into QString only where a text reaches a person (a form
// property, a caller that asks for a QString).

#include <QByteArray>
#include <QString>

#include "gravilo_translation_export.h"

enum class TTextEncoding { teUtf8, teWindows1252 };

class GRAVILO_TRANSLATION_EXPORT TTextCodec {
public:
    // A character keeps at most this many combining marks: a letter under sixty thousand accents
    // would take every label that shows it most of a second to draw.
    static constexpr qsizetype KMaxMarksPerCharacter = 8;

    // Decoded, with marks beyond KMaxMarksPerCharacter on one character left out.
    static QString Decode(const QByteArray& bytes, TTextEncoding encoding);
    static QString WithFewMarks(QString text);
    // Characters that Windows-1252 cannot hold become "?".
    static QByteArray Encode(const QString& text, TTextEncoding encoding);

    // Bytes of either encoding, or of both mixed: every well-formed UTF-8 sequence as UTF-8, every
    // other byte as the Windows-1252 character it stands for. The text depends on the bytes alone,
    // not on what was loaded, and no replacement character stands for several different bytes.
    static QString DecodeLenient(const QByteArray& bytes);
};

// Checks a byte stream for well-formed UTF-8 while it arrives in pieces: no overlong forms, no
// surrogates, nothing above U+10FFFF, no sequence cut off at the end.
class GRAVILO_TRANSLATION_EXPORT TUtf8Check {
public:
    void Feed(const char* data, qsizetype size);
    // The verdict on everything fed so far, taken as the whole text.
    bool IsValid() const { return FValid && FPending == 0; }

    // What a byte that begins a sequence asks for: the number of continuation bytes and the
    // bounds of the first of them (overlong forms, surrogates and code points above U+10FFFF are
    // kept out there). False for a byte that cannot begin a sequence.
    static bool Lead(unsigned char c, int& continuations, unsigned char& low, unsigned char& high);

private:
    bool FValid = true;
    int FPending = 0;           // continuation bytes still expected
    unsigned char FLow = 0x80;  // bounds of the next continuation byte
    unsigned char FHigh = 0xBF;
};
